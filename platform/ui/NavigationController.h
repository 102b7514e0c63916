#pragma once

#include <memory>
#include <vector>

#include "platform/ui/NavigationBar.h"
#include "platform/ui/ViewController.h"

namespace platform::ui {

// A stack of screens under a navigation bar. Its view can be put anywhere (a window, a modal
// presentation, a container's content area); its appearance calls pass on to the top screen, and pushes
// and pops while it is visible give the leaving and arriving screens their appearance calls
// (will-disappear, will-appear, did-disappear, did-appear).
class NavigationController : public ViewController {
public:
    NavigationController() = default;
    explicit NavigationController(std::shared_ptr<ViewController> rootViewController);
    // Made from an interface file: its builder sets the screens (setViewControllers) and the bar; the
    // controller makes its view itself.
    using ViewController::ViewController;
    ~NavigationController() override;

    const std::vector<std::shared_ptr<ViewController>>& viewControllers() const { return m_viewControllers; }
    void setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers, bool animated = false);
    std::shared_ptr<ViewController> topViewController() const;
    // The presented screen of the top screen when there is one, otherwise the top screen.
    std::shared_ptr<ViewController> visibleViewController() const;

    // Pushing a screen already on the stack does nothing.
    void pushViewController(const std::shared_ptr<ViewController>& controller, bool animated);
    // Answers the popped screen; the root screen is never popped (nullptr).
    std::shared_ptr<ViewController> popViewControllerAnimated(bool animated);
    std::vector<std::shared_ptr<ViewController>> popToRootViewControllerAnimated(bool animated);

    const std::shared_ptr<NavigationBar>& navigationBar();
    bool isNavigationBarHidden() const { return m_navigationBarHidden; }
    void setNavigationBarHidden(bool hidden, bool animated = false);

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;

private:
    // Replaces the shown screen by the new top, with appearance calls when this controller is visible.
    void transition(const std::shared_ptr<ViewController>& from, const std::shared_ptr<ViewController>& to,
                    bool animated);
    void adopt(const std::shared_ptr<ViewController>& controller);
    void updateBar();
    Rect contentFrame() const;

    std::vector<std::shared_ptr<ViewController>> m_viewControllers;
    std::shared_ptr<NavigationBar> m_navigationBar;
    bool m_navigationBarHidden = false;
};

}  // namespace platform::ui
