#pragma once

#include <memory>
#include <vector>

#include "platform/ui/Device.h"
#include "platform/ui/View.h"

namespace platform::ui {

class ViewController;

// The view at the root of the screen. It shows its root controller's view and, above it, the views of
// controllers presented modally; only the top-most presentation (and what lies above it) is on screen.
class Window : public View {
public:
    // A window the size of the screen.
    Window();
    explicit Window(const Rect& frame);

    const std::shared_ptr<ViewController>& rootViewController() const { return m_rootViewController; }
    // Loads the controller's view, puts it in the window (at the application frame) and, when the window
    // is visible, forwards the appearance calls (the old root disappears first).
    void setRootViewController(std::shared_ptr<ViewController> controller);

    // Makes this the application's key window and shows it; the root controller appears now if it has not.
    void makeKeyAndVisible();
    bool isKeyWindow() const;
    // The interface turns: the root controller turns (ViewController::turnToInterfaceOrientation) and, when it
    // did, the application's status bar takes the orientation. Answers whether it turned.
    bool turnToInterfaceOrientation(DeviceOrientation orientation, double duration);

    // The subviews on screen: from the top-most modal view on, or all of them when nothing is presented.
    std::vector<std::shared_ptr<View>> visibleSubviews() const;

    // Used by modal presentation: a full-screen view laid over everything else, and its removal.
    void addModalView(const std::shared_ptr<View>& view);
    void removeModalView(const std::shared_ptr<View>& view);

private:
    std::shared_ptr<ViewController> m_rootViewController;
    std::vector<std::weak_ptr<View>> m_modalViews;
    bool m_visible = false;
};

}  // namespace platform::ui
