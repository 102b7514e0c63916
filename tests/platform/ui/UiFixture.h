#pragma once

#include "platform/ui/Application.h"
#include "tests/support/ManualClockFixture.h"

namespace platform::ui {

// Each test starts with a fresh application (no key window, no alerts) on the manual clock.
class UiFixture : public qovtest::ManualClockFixture {
protected:
    UiFixture() { Application::resetShared(); }
    ~UiFixture() override { Application::resetShared(); }
};

}  // namespace platform::ui
