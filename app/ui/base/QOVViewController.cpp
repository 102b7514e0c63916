#include "app/ui/base/QOVViewController.h"

#include "app/core/services/QOVMetricsService.h"
#include "app/ui/base/QOVView.h"
#include "app/ui/categories/UIDeviceQOV.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Callback.h"
#include "platform/base/Exception.h"
#include "platform/base/NotificationCenter.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Application.h"
#include "platform/ui/WebBrowserViewController.h"

namespace qov {

using platform::ui::Button;
using platform::ui::Image;

std::string QOVViewController::nibNameForClass(const std::string& className) {
    return className + (UIDeviceQOV::isPad() ? "-iPad" : "-iPhone");
}

QOVViewController::QOVViewController(std::string nibName) : ViewController(std::move(nibName)) {}

QOVViewController::~QOVViewController() { platform::NotificationCenter::defaultCenter().removeObserver(this); }

void QOVViewController::setMasterViewController(const std::shared_ptr<QOVViewController>& master) {
    m_masterViewController = master;
}

std::optional<std::string> QOVViewController::pageName() const {
    platform::Exception::raiseAbstractClass(className(), "pageName");
}

void QOVViewController::viewDidLoad() {
    ViewController::viewDidLoad();
    applyTheme();
}

void QOVViewController::applyTheme() { view()->setBackgroundColor(QOVThemeService::backgroundColor()); }

void QOVViewController::viewDidAppear(bool animated) {
    ViewController::viewDidAppear(animated);
    if (!fireBeaconOnAppear()) {
        return;
    }
    if (const auto name = pageName()) {
        QOVMetricsService::sharedInstance()->screenDisplayed(*name);
    }
}

bool QOVViewController::shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const {
    return UIDeviceQOV::isPad() || orientation == platform::ui::DeviceOrientation::Portrait;
}

void QOVViewController::loadDefaultView() {
    if (const auto view = defaultView()) {
        setView(view);
    }
}

void QOVViewController::showActivityAlertViewWithTitle(const std::string& title) {
    if (m_activityAlertView) {
        removeActivityAlertView();
    }
    platform::ui::Application::shared().setNetworkActivityIndicatorVisible(true);
    auto alert = std::make_shared<platform::ui::AlertView>(
        title, "", std::static_pointer_cast<QOVViewController>(shared_from_this()));
    alert->show();
    const auto bounds = view()->bounds();
    alert->setCenter(platform::ui::Point{bounds.size.width / 2.0, bounds.size.height / 2.0});
    auto spinner =
        std::make_shared<platform::ui::ActivityIndicatorView>(platform::ui::ActivityIndicatorStyle::WhiteLarge);
    const auto alertBounds = alert->bounds();
    spinner->setCenter(platform::ui::Point{alertBounds.size.width / 2.0, alertBounds.size.height - 40.0});
    alert->addSubview(spinner);
    spinner->startAnimating();
    m_activityAlertView = std::move(alert);
}

void QOVViewController::removeActivityAlertView() {
    if (m_activityAlertView) {
        m_activityAlertView->dismissWithClickedButtonIndex(0, false);
        m_activityAlertView.reset();
    }
    platform::ui::Application::shared().setNetworkActivityIndicatorVisible(false);
}

namespace {

// Replaces the images of the four states that have their own (normal always) by stretchable copies.
template <typename Get, typename Has, typename Set>
void stretchStates(Button& button, int leftCapWidth, Get get, Has has, Set set) {
    using namespace platform::ui;
    for (const unsigned state :
         {kControlStateNormal, kControlStateHighlighted, kControlStateDisabled, kControlStateSelected}) {
        if (state != kControlStateNormal && !(button.*has)(state)) {
            continue;
        }
        if (const auto image = (button.*get)(state)) {
            (button.*set)(image->stretchableImage(leftCapWidth, 0), state);
        }
    }
}

}  // namespace

void QOVViewController::adjustButtonBackgroundImage(Button& button, int leftCapWidth) {
    stretchStates(button, leftCapWidth, &Button::backgroundImageForState, &Button::hasOwnBackgroundImage,
                  &Button::setBackgroundImage);
    button.setNeedsDisplay();
}

void QOVViewController::reImageButton(Button& button, int leftCapWidth) {
    stretchStates(button, leftCapWidth, &Button::imageForState, &Button::hasOwnImage, &Button::setImage);
}

std::shared_ptr<platform::ui::ViewController> QOVViewController::presenter() {
    if (auto master = m_masterViewController.lock()) {
        return master;
    }
    return std::static_pointer_cast<ViewController>(shared_from_this());
}

void QOVViewController::createWebViewWithURL(const std::string& url,
                                             std::weak_ptr<platform::ui::WebBrowserDelegate> delegate) {
    auto browser = std::make_shared<platform::ui::WebBrowserViewController>();
    if (delegate.expired()) {
        delegate = std::static_pointer_cast<QOVViewController>(shared_from_this());
    }
    browser->setBrowserDelegate(std::move(delegate));
    browser->setURL(url);
    presenter()->presentModalViewController(browser, true);
}

void QOVViewController::doneWithBrowser(platform::ui::WebBrowserViewController&) {
    presenter()->dismissModalViewControllerAnimated(true);
}

void QOVViewController::followAdSlot() {
    const auto master = masterViewController<QOVViewController>();
    if (master && master->isAdViewHidden()) {
        adViewDidHide();
    } else {
        adViewDidShow();
    }
    const auto self = std::static_pointer_cast<QOVViewController>(shared_from_this());
    auto& center = platform::NotificationCenter::defaultCenter();
    center.addObserver(this, kAdViewRevealedNotification,
                       platform::bindWeak(self, [](QOVViewController& screen, const platform::Notification&) {
                           screen.adViewDidShow();
                       }));
    center.addObserver(this, kAdViewHiddenNotification,
                       platform::bindWeak(self, [](QOVViewController& screen, const platform::Notification&) {
                           screen.adViewDidHide();
                       }));
}

}  // namespace qov
