#include "tests/support/ManualClockFixture.h"

#include "platform/base/NotificationCenter.h"

namespace qovtest {

ManualClockFixture::ManualClockFixture() : m_clock(std::make_shared<platform::ManualClock>()) {
    platform::NotificationCenter::resetDefaultCenter();
    platform::RunLoop::resetMain(m_clock);
}

ManualClockFixture::~ManualClockFixture() {
    platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>());
    platform::NotificationCenter::resetDefaultCenter();
}

}  // namespace qovtest
