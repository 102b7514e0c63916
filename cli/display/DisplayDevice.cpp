#include "cli/display/DisplayDevice.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "platform/base/RunLoop.h"
#include "platform/net/Reachability.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TouchPanel.h"

namespace qovcli {

namespace {

constexpr const char* kNoField = "no field is being edited (click one first)";

bool isInBackground() {
    return platform::ui::Application::shared().state() == platform::ui::ApplicationState::Background;
}

}  // namespace

std::optional<std::string> DisplayDevice::press(const std::string& button) {
    static constexpr std::array<std::pair<std::string_view, double>, 3> kClockJumps{
        {{"clock+60", 60.0}, {"clock+600", 600.0}, {"clock+3600", 3600.0}}};
    if (button == "home") {
        return home();
    }
    if (button == "rotate") {
        auto& device = platform::ui::Device::current();
        device.setOrientation(device.isLandscape() ? platform::ui::DeviceOrientation::Portrait
                                                   : platform::ui::DeviceOrientation::LandscapeLeft);
        return std::nullopt;
    }
    if (button == "network") {
        const auto& reachability = platform::net::Reachability::shared();
        reachability->setReachable(!reachability->isReachable());
        return std::nullopt;
    }
    if (const auto jump = std::find_if(kClockJumps.begin(), kClockJumps.end(),
                                       [&button](const auto& entry) { return entry.first == button; });
        jump != kClockJumps.end()) {
        if (!m_clock) {
            return "this device's clock cannot be moved";
        }
        m_clock->jump(jump->second);
        // Timers that are now due fire on the loop's next turn.
        platform::dispatchMain([] {});
        return std::nullopt;
    }
    if (button == "legacymap" && m_legacyMap) {
        if (isInBackground()) {
            return "the application is in the background: press Home";
        }
        return m_legacyMap();
    }
    return "no button \"" + button + "\"";
}

std::optional<std::string> DisplayDevice::home() {
    auto& application = platform::ui::Application::shared();
    if (isInBackground()) {
        application.enterForeground();
        application.becomeActive();
    } else {
        application.resignActive();
        application.enterBackground();
    }
    return std::nullopt;
}

std::optional<std::string> DisplayDevice::tap(double x, double y, int taps) {
    if (isInBackground()) {
        return "the application is in the background: press Home";
    }
    return platform::ui::TouchPanel::tap(platform::gfx::Point{x, y}, taps);
}

std::optional<std::string> DisplayDevice::drag(double x, double y, double dx, double dy) {
    if (isInBackground()) {
        return "the application is in the background: press Home";
    }
    return platform::ui::TouchPanel::drag(platform::gfx::Point{x, y}, dx, dy);
}

std::optional<std::string> DisplayDevice::pinch(double x, double y, double scale) {
    if (isInBackground()) {
        return "the application is in the background: press Home";
    }
    return platform::ui::TouchPanel::pinch(platform::gfx::Point{x, y}, scale);
}

std::optional<std::string> DisplayDevice::type(const std::string& text) {
    return platform::ui::Keyboard::type(text) ? std::nullopt : std::optional<std::string>(kNoField);
}

std::optional<std::string> DisplayDevice::key(const std::string& name) {
    if (name != "return" && name != "backspace") {
        return "no key \"" + name + "\"";
    }
    const bool pressed =
        name == "return" ? platform::ui::Keyboard::pressReturn() : platform::ui::Keyboard::pressBackspace();
    return pressed ? std::nullopt : std::optional<std::string>(kNoField);
}

DisplayDeviceState DisplayDevice::state() const {
    return DisplayDeviceState{.background = isInBackground(),
                              .network = platform::net::Reachability::shared()->isReachable(),
                              .landscape = platform::ui::Device::current().isLandscape(),
                              .clockAhead = m_clock ? m_clock->ahead() : 0.0,
                              .screenWidth = platform::ui::Screen::size().width,
                              .screenHeight = platform::ui::Screen::size().height};
}

}  // namespace qovcli
