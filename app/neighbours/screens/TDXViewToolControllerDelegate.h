#pragma once

#include <memory>

#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"

namespace qov {

// The screen that lays the tropical-storm section over itself hears through these calls what the section needs
// of it. Called on the main loop.
class TDXViewToolControllerDelegate {
public:
    virtual ~TDXViewToolControllerDelegate() = default;
    // The user goes back to the map: first this, then removeTropicalView with the section's view.
    virtual void toggleToolLocationBar() = 0;
    virtual void removeTropicalView(const std::shared_ptr<platform::ui::View>& view) = 0;
    // A screen of the section (a gallery, an image, an update) to present modally, and to dismiss again.
    virtual void launchModalViewControllerView(const std::shared_ptr<platform::ui::ViewController>& controller) = 0;
    virtual void dismissControllerView(const std::shared_ptr<platform::ui::ViewController>& controller) = 0;
    // Whether the section's view stays when the host is shown again (after a modal screen, for instance).
    virtual void shouldTDXViewRemain(bool remain) = 0;
};

}  // namespace qov
