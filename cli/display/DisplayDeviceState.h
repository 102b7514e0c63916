#pragma once

namespace qovcli {

// What the display's page shows beside the screen: a plain value, copied freely between threads.
struct DisplayDeviceState {
    bool background = false;   // the application is in the background
    bool network = true;       // the network is reachable
    bool landscape = false;    // the device is turned to landscape
    double clockAhead = 0.0;   // seconds the clock buttons moved the main loop's clock forward
    double screenWidth = 0.0;  // the screen's size in points, upright: a phone's 320 x 480, a pad's 768 x 1024
    double screenHeight = 0.0;

    bool operator==(const DisplayDeviceState&) const = default;
};

}  // namespace qovcli
