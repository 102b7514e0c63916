#pragma once

#include "platform/ui/ViewController.h"

namespace qov {

// The first screen of every launch: the launch picture with the logo fading in over 3 s. When the fade ends the
// splash takes its view off the window and asks the application delegate to present the main view.
// Main thread only; the fade completes on the main run loop.
class SplashScreenViewController : public platform::ui::ViewController {
public:
    static constexpr const char* kBackgroundImage = "Default.png";
    static constexpr const char* kLogoImage = "logo-qov-lockup.png";
    static constexpr double kFadeDuration = 3.0;

    void loadView() override;
    void viewDidLoad() override;
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const override;
};

}  // namespace qov
