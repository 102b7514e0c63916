#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/base/Object.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/AlertViewDelegate.h"
#include "platform/ui/Button.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/WebBrowserDelegate.h"

namespace qov {

class QOVMasterViewController;
class QOVView;
class SlidingTabBarItem;

// Base of every screen. A screen knows the root controller that hosts it (not retained), may carry the tab
// item it registered in its constructor, tells whether it is for US locations only, and reports itself to
// measurement when it appears. The root controller calls the tab-switch hooks around showing it.
// Subclasses answer pageName(); the base raises "Abstract Class Exception".
// Main thread only; screens are held by std::shared_ptr.
class QOVViewController : public platform::ui::ViewController,
                          public platform::ui::AlertViewDelegate,
                          public platform::ui::WebBrowserDelegate {
public:
    // Posted by the root controller when its ad slot is hidden or revealed.
    static constexpr const char* kAdViewHiddenNotification = "adViewHiddenNotification";
    static constexpr const char* kAdViewRevealedNotification = "adViewRevealedNotification";

    // The interface file "<Class>-iPad" on a pad, else "<Class>-iPhone".
    static std::string nibNameForClass(const std::string& className);
    // A new screen of class T made with the interface file its class name gives (T's constructor takes
    // the interface file name).
    template <typename T>
    static std::shared_ptr<T> viewControllerFromNib() {
        return std::make_shared<T>(nibNameForClass(platform::Object::unqualifiedTypeName(typeid(T).name())));
    }
    // Lets the class registry make className as viewControllerFromNib<T>() does.
    template <typename T>
    static void registerClassFromNib(const std::string& className) {
        platform::ui::ClassRegistry::registerClass(className, [] { return viewControllerFromNib<T>(); });
    }

    // Without an interface file the view is a plain one.
    explicit QOVViewController(std::string nibName = {});
    // Stops observing every notification it observed under this screen's address.
    ~QOVViewController() override;

    // The root controller (any screen may stand in for it in tests), or nullptr. The accessor answers it as
    // Master, so callers that know the root controller's class get it typed.
    template <typename Master = QOVMasterViewController>
    std::shared_ptr<Master> masterViewController() const {
        return std::dynamic_pointer_cast<Master>(m_masterViewController.lock());
    }
    void setMasterViewController(const std::shared_ptr<QOVViewController>& master);

    const std::shared_ptr<SlidingTabBarItem>& slidingTabBarItem() const { return m_slidingTabBarItem; }
    void setSlidingTabBarItem(std::shared_ptr<SlidingTabBarItem> item) { m_slidingTabBarItem = std::move(item); }
    std::shared_ptr<QOVView> defaultView() const { return m_defaultView.lock(); }
    void setDefaultView(const std::shared_ptr<QOVView>& view) { m_defaultView = view; }
    bool isUSOnly() const { return m_USOnly; }
    void setUSOnly(bool usOnly) { m_USOnly = usOnly; }

    // The name reported to measurement; nullopt for a screen without one. Abstract here.
    virtual std::optional<std::string> pageName() const;
    virtual bool requiresFullScreen() const { return false; }
    virtual bool fireBeaconOnAppear() const { return true; }
    // Whether the screen's ad slot is hidden: the root controller answers for its slot; other screens have none.
    virtual bool isAdViewHidden() const { return false; }

    void viewDidLoad() override;
    // The view's background becomes the theme's background colour.
    virtual void applyTheme();
    // Reports the page name to measurement when fireBeaconOnAppear() (a screen without one reports nothing).
    void viewDidAppear(bool animated) override;
    // Any orientation on a pad, portrait only otherwise.
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const override;

    // Hooks the root controller calls around a tab switch; empty here.
    virtual void registerForNotifications() {}
    virtual void viewControllerWillLoad() {}
    virtual void viewControllerDidLoad() {}
    virtual void viewControllerWillUnload() {}
    virtual void viewControllerDidUnload() {}
    virtual void setupMasterViewController() {}

    // Installs the default view, when one is set, as the screen's view.
    void loadDefaultView();

    // A button-less alert with the title and a spinning indicator, centred in the screen's view; the
    // network activity indicator is on while it shows. A second one replaces (dismisses) the first.
    void showActivityAlertViewWithTitle(const std::string& title);
    void removeActivityAlertView();
    const std::shared_ptr<platform::ui::AlertView>& activityAlertView() const { return m_activityAlertView; }

    // Makes the button's background images (normal, and highlighted, disabled, selected where set)
    // stretchable with the left cap; reImageButton does the same for its foreground images.
    static void adjustButtonBackgroundImage(platform::ui::Button& button, int leftCapWidth);
    static void reImageButton(platform::ui::Button& button, int leftCapWidth);

    // Opens the in-app browser on the URL, presented over the root controller (over this screen when it
    // has none); the delegate (this screen when none is given) hears when the user is done.
    void createWebViewWithURL(const std::string& url, std::weak_ptr<platform::ui::WebBrowserDelegate> delegate = {});
    // The browser's "Done": the root controller (or this screen) dismisses it.
    void doneWithBrowser(platform::ui::WebBrowserViewController& browser) override;

protected:
    // For screens that lay themselves out around the root controller's ad slot: calls adViewDidShow or
    // adViewDidHide for the slot's state now, and again each time the slot is revealed or hidden, until the screen
    // removes its notification observers (they are registered under this screen's address).
    void followAdSlot();
    virtual void adViewDidShow() {}
    virtual void adViewDidHide() {}

private:
    // The root controller, or this screen when there is none.
    std::shared_ptr<platform::ui::ViewController> presenter();

    std::weak_ptr<QOVViewController> m_masterViewController;
    std::shared_ptr<SlidingTabBarItem> m_slidingTabBarItem;
    std::weak_ptr<QOVView> m_defaultView;
    bool m_USOnly = false;
    std::shared_ptr<platform::ui::AlertView> m_activityAlertView;
};

}  // namespace qov
