#include "app/shell/errorbar/ErrorBarHideTimer.h"

#include "platform/base/RunLoop.h"

namespace qov {

ErrorBarHideTimer::~ErrorBarHideTimer() { barHidden(); }

void ErrorBarHideTimer::barRevealed(double life, std::function<void()> hide) {
    barHidden();
    if (!(life > 0.0)) {
        return;
    }
    m_timer =
        platform::RunLoop::main().scheduleTimer(life, false, [hide = std::move(hide)](platform::Timer&) { hide(); });
}

void ErrorBarHideTimer::barHidden() {
    if (m_timer) {
        m_timer->invalidate();
        m_timer.reset();
    }
}

bool ErrorBarHideTimer::isRunning() const { return m_timer && m_timer->isValid(); }

}  // namespace qov
