#pragma once

#include <memory>
#include <string>

#include "platform/ui/Device.h"
#include "platform/ui/NavigationItem.h"
#include "platform/ui/Responder.h"
#include "platform/ui/View.h"

namespace platform::ui {

class NavigationController;

// Where a controller stands in the appear / disappear cycle.
enum class AppearanceState { Disappeared, Appearing, Appeared, Disappearing };

// Manages one screen's view. The view is made on first use: loadView() (the interface file named
// nibName(), or a plain view the size of the application frame), then viewDidLoad().
// The appearance calls are made by whoever shows the view (the window, modal presentation, a navigation
// controller, or a container screen calling them itself); overrides must call the base implementation,
// which keeps the appearance state. Controllers are always held by std::shared_ptr.
class ViewController : public Responder {
public:
    ViewController() = default;
    explicit ViewController(std::string nibName) : m_nibName(std::move(nibName)) {}
    ~ViewController() override;

    const std::string& nibName() const { return m_nibName; }

    // The view, loading it first when needed.
    std::shared_ptr<View> view();
    bool isViewLoaded() const { return m_view != nullptr; }
    void setView(std::shared_ptr<View> view) { m_view = std::move(view); }

    virtual void loadView();
    virtual void viewDidLoad() {}
    virtual void viewDidUnload() {}
    virtual void viewWillAppear(bool animated);
    virtual void viewDidAppear(bool animated);
    virtual void viewWillDisappear(bool animated);
    virtual void viewDidDisappear(bool animated);
    // Releases the view when it is not in a window (then viewDidUnload()). Every controller whose view
    // has loaded hears of the application's memory warnings.
    virtual void didReceiveMemoryWarning();
    virtual bool shouldAutorotateToInterfaceOrientation(DeviceOrientation orientation) const {
        return orientation == DeviceOrientation::Portrait;
    }

    // The orientation the screen is laid out for (portrait until it turns).
    DeviceOrientation interfaceOrientation() const { return m_interfaceOrientation; }
    // Turns the screen when the orientation is new and shouldAutorotateToInterfaceOrientation accepts it:
    // willRotateToInterfaceOrientation, the orientation changes, willAnimateRotationToInterfaceOrientation (the
    // place to lay out for it), didRotateFromInterfaceOrientation with the old one; then the controller it
    // presents turns the same way. Answers whether this screen turned.
    bool turnToInterfaceOrientation(DeviceOrientation orientation, double duration);
    virtual void willRotateToInterfaceOrientation(DeviceOrientation, double /*duration*/) {}
    virtual void willAnimateRotationToInterfaceOrientation(DeviceOrientation, double /*duration*/) {}
    virtual void didRotateFromInterfaceOrientation(DeviceOrientation /*from*/) {}

    AppearanceState appearanceState() const { return m_appearanceState; }
    bool isVisible() const {
        return m_appearanceState == AppearanceState::Appearing || m_appearanceState == AppearanceState::Appeared;
    }

    const std::string& title() const { return m_title; }
    // Also the navigation item's title.
    virtual void setTitle(std::string title);
    const std::shared_ptr<NavigationItem>& navigationItem();

    // The navigation controller whose stack holds this screen, or nullptr.
    std::shared_ptr<NavigationController> navigationController() const;
    // The controller this one belongs to: the navigation controller whose stack holds it, else the controller
    // that presents it, else nullptr.
    std::shared_ptr<ViewController> parentViewController() const;

    // Modal presentation over the whole screen (the application's key window). The presenter gets
    // will-disappear, the presented will-appear, then did-disappear and did-appear. Presenting while this
    // controller already presents one does nothing (logged).
    void presentModalViewController(const std::shared_ptr<ViewController>& controller, bool animated);
    // Dismisses what this controller presents (or, sent to the presented controller, itself), with every
    // controller presented above it; the appearance calls mirror presentation. A controller that neither presents
    // nor is presented passes the request to its parent (a screen of a presented navigation stack dismisses the
    // stack); with no parent either, nothing happens (logged).
    void dismissModalViewControllerAnimated(bool animated);
    const std::shared_ptr<ViewController>& modalViewController() const { return m_modalViewController; }
    std::shared_ptr<ViewController> presentingViewController() const { return m_presentingViewController.lock(); }

private:
    friend class NavigationController;

    std::string m_nibName;
    std::shared_ptr<View> m_view;
    std::string m_title;
    std::shared_ptr<NavigationItem> m_navigationItem;
    AppearanceState m_appearanceState = AppearanceState::Disappeared;
    DeviceOrientation m_interfaceOrientation = DeviceOrientation::Portrait;
    NavigationController* m_navigationController = nullptr;  // cleared when the stack lets go
    std::shared_ptr<ViewController> m_modalViewController;
    std::weak_ptr<ViewController> m_presentingViewController;
    bool m_presenterWasVisible = false;  // this controller disappeared for its presentation
    bool m_observesMemoryWarnings = false;
    // The identity under which memory warnings are observed, apart from whatever the screen itself observes.
    char m_memoryWarningObserver = 0;
};

}  // namespace platform::ui
