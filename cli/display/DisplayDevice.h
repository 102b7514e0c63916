#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "cli/display/DisplayClock.h"
#include "cli/display/DisplayDeviceState.h"

namespace qovcli {

// The device's buttons and input as the display's page offers them, acting on the running application.
// Main thread only. Each action answers why it did nothing, or nullopt when it was done.
class DisplayDevice {
public:
    // Opens the older tile map; answers why it did not, or nullopt when it did.
    using Opener = std::function<std::optional<std::string>()>;

    // clock: the main loop's clock, which the clock buttons move forward; nullptr: no clock buttons.
    // legacyMap: what the "legacymap" button does; empty: no such button.
    explicit DisplayDevice(std::shared_ptr<DisplayClock> clock, Opener legacyMap = {})
        : m_clock(std::move(clock)), m_legacyMap(std::move(legacyMap)) {}

    // A device button: "home" (the application to the background, and on the next press back to the
    // foreground), "rotate" (portrait and landscape in turn), "network" (off and on in turn), or "clock+SECONDS"
    // with SECONDS one of 60, 600 and 3600 (the clock jumps ahead), or "legacymap" (the device turns into a pad
    // showing the older tile map, as the runner's script command of that name does).
    std::optional<std::string> press(const std::string& button);
    // A click at a point of the screen (points from its top left): a tap there; taps counts the quick clicks in a
    // row it ends (2: the second click of a double click is the second tap of a double tap, TouchPanel::tap).
    std::optional<std::string> tap(double x, double y, int taps = 1);
    // A drag from a point of the screen, dx, dy points across.
    std::optional<std::string> drag(double x, double y, double dx, double dy);
    // Two fingers around a point of the screen pinching by scale (the page's mouse wheel): a map there zooms.
    std::optional<std::string> pinch(double x, double y, double scale);
    // Typing on the keyboard: text, or a key: "return" or "backspace".
    std::optional<std::string> type(const std::string& text);
    std::optional<std::string> key(const std::string& name);

    // What the page shows beside the screen, as it is now.
    DisplayDeviceState state() const;

private:
    std::optional<std::string> home();

    std::shared_ptr<DisplayClock> m_clock;
    Opener m_legacyMap;
};

}  // namespace qovcli
