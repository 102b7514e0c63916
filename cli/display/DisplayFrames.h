#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "cli/display/DisplayDeviceState.h"

namespace platform::gfx {
class Image;
}

namespace qovcli {

// One picture of the device for the display's page.
struct DisplayFrame {
    std::uint64_t number = 0;  // 1 for the first frame, then one more for each change
    std::string png;           // the screen drawn at twice its size in points
    std::string state;         // JSON: {"frame": number, "dump": the screen's text dump, "device": {"background":
                               // bool, "network": bool, "orientation": "portrait"|"landscape", "clockAhead": seconds,
                               // "screen": {"width": points, "height": points}}}
};

// The frames of the device display: the main thread captures the screen (capture()) and tells the listener of
// each new frame, so the display's server answers a page waiting for a newer frame as soon as it is captured,
// without the page asking again and again. Thread-safe except where noted.
class DisplayFrames {
public:
    // Main thread. Draws the screen; when its picture, its dump or the device's state differ from the latest
    // frame's, stores them as the next frame and then calls the listener. Answers whether there was a new frame.
    bool capture(const DisplayDeviceState& device);
    // The latest frame (nullptr before the first capture).
    std::shared_ptr<const DisplayFrame> latest() const;
    // Called on the main thread after each new frame is stored (nullptr: nobody); it must not capture.
    void setListener(std::function<void()> listener);

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<const DisplayFrame> m_latest;
    std::shared_ptr<platform::gfx::Image> m_picture;  // main thread only
    std::string m_dump;                               // main thread only
    DisplayDeviceState m_device;                      // main thread only
    std::function<void()> m_listener;
};

}  // namespace qovcli
