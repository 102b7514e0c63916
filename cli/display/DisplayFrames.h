#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include <nlohmann/json.hpp>

namespace platform::gfx {
class Image;
}

namespace qovcli {

// One picture of the device for the display's page.
struct DisplayFrame {
    std::uint64_t number = 0;  // 1 for the first frame, then one more for each change
    std::string png;           // the screen drawn at twice its size in points
    std::string state;         // JSON: {"frame": number, "dump": the screen's text dump, "device": ...}
};

// The frames of the device display: the main thread captures the screen (capture()), the display's server
// threads wait for a newer frame than the page has (newerThan()), so the page hears of a change as soon as it
// is captured without asking again and again. Thread-safe except where noted.
class DisplayFrames {
public:
    // Main thread. Draws the screen; when its picture, its dump or the device's state differ from the latest
    // frame's, stores them as the next frame and wakes the waiters. Answers whether there was a new frame.
    bool capture(const nlohmann::json& device);
    // The latest frame (nullptr before the first capture).
    std::shared_ptr<const DisplayFrame> latest() const;
    // The latest frame once its number is above after, waiting up to timeout for one; the latest frame (or
    // nullptr) when none came in time or close() was called.
    std::shared_ptr<const DisplayFrame> newerThan(std::uint64_t after, std::chrono::milliseconds timeout) const;
    // Wakes every waiter for good (the display is stopping).
    void close();

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    std::shared_ptr<const DisplayFrame> m_latest;
    std::shared_ptr<platform::gfx::Image> m_picture;  // main thread only
    std::string m_dump;                               // main thread only
    nlohmann::json m_device;                          // main thread only
    bool m_closed = false;
};

}  // namespace qovcli
