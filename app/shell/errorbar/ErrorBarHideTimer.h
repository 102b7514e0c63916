#pragma once

#include <functional>
#include <memory>

namespace platform {
class Timer;
}

namespace qov {

// The one timer that closes a revealed error bar after its life: each reveal starts it afresh (a running
// one is invalidated first) and hiding the bar invalidates it, so a bar revealed again never closes early.
// Main thread only (the main run loop's timers).
class ErrorBarHideTimer {
public:
    ErrorBarHideTimer() = default;
    ~ErrorBarHideTimer();
    ErrorBarHideTimer(const ErrorBarHideTimer&) = delete;
    ErrorBarHideTimer& operator=(const ErrorBarHideTimer&) = delete;

    // Runs hide once after life seconds; a life of 0 or less starts nothing (the bar stays).
    void barRevealed(double life, std::function<void()> hide);
    void barHidden();
    bool isRunning() const;

private:
    std::shared_ptr<platform::Timer> m_timer;
};

}  // namespace qov
