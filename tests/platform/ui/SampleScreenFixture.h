#pragma once

#include <memory>
#include <vector>

#include "platform/ui/AlertView.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/SampleScreen.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {

// The sample screen shown in the key window of a fresh application.
class SampleScreenFixture : public UiFixture {
protected:
    SampleScreenFixture() {
        window->setRootViewController(screen);
        window->makeKeyAndVisible();
    }

    std::shared_ptr<Window> window = std::make_shared<Window>();
    std::shared_ptr<SampleScreen> screen = std::make_shared<SampleScreen>();
};

// An alert's delegate that records the indexes of the buttons clicked.
class AlertChoices : public AlertViewDelegate {
public:
    void alertViewClickedButtonAtIndex(AlertView&, int index) override { clicked.push_back(index); }
    std::vector<int> clicked;
};

}  // namespace platform::ui
