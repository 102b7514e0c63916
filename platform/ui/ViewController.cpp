#include "platform/ui/ViewController.h"

#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/Window.h"

QOV_LOG_LEVEL(15)

namespace platform::ui {

namespace {

constexpr double kModalTransitionDuration = 0.3;

std::shared_ptr<Window> presentationWindow(ViewController& presenter) {
    if (auto window = Application::shared().keyWindow()) {
        return window;
    }
    return presenter.isViewLoaded() ? presenter.view()->window() : nullptr;
}

}  // namespace

ViewController::~ViewController() {
    if (m_observesMemoryWarnings) {
        NotificationCenter::defaultCenter().removeObserver(&m_memoryWarningObserver);
    }
}

std::shared_ptr<View> ViewController::view() {
    if (!m_view) {
        loadView();
        if (!m_view) {
            QOV_LOG_ERROR("{} loaded no view; using an empty one", className());
            m_view = std::make_shared<View>(Screen::applicationFrame());
        }
        if (!m_observesMemoryWarnings) {
            m_observesMemoryWarnings = true;
            NotificationCenter::defaultCenter().addObserver(
                &m_memoryWarningObserver, kApplicationDidReceiveMemoryWarningNotification,
                bindWeak(
                    std::static_pointer_cast<ViewController>(shared_from_this()),
                    [](ViewController& controller, const Notification&) { controller.didReceiveMemoryWarning(); }));
        }
        viewDidLoad();
    }
    return m_view;
}

void ViewController::loadView() {
    if (!m_nibName.empty()) {
        InterfaceFile::load(m_nibName, shared_from_this());
        return;
    }
    m_view = std::make_shared<View>(Screen::applicationFrame());
}

void ViewController::viewWillAppear(bool) { m_appearanceState = AppearanceState::Appearing; }

void ViewController::viewDidAppear(bool) { m_appearanceState = AppearanceState::Appeared; }

void ViewController::viewWillDisappear(bool) { m_appearanceState = AppearanceState::Disappearing; }

void ViewController::viewDidDisappear(bool) { m_appearanceState = AppearanceState::Disappeared; }

void ViewController::didReceiveMemoryWarning() {
    if (m_view && !m_view->window() && !m_view->superview()) {
        m_view.reset();
        viewDidUnload();
    }
}

std::shared_ptr<NavigationController> ViewController::navigationController() const {
    if (!m_navigationController) {
        return nullptr;
    }
    return std::static_pointer_cast<NavigationController>(m_navigationController->shared_from_this());
}

std::shared_ptr<ViewController> ViewController::parentViewController() const {
    if (auto navigation = navigationController()) {
        return navigation;
    }
    return presentingViewController();
}

void ViewController::setTitle(std::string title) {
    m_title = std::move(title);
    navigationItem()->setTitle(m_title);
}

const std::shared_ptr<NavigationItem>& ViewController::navigationItem() {
    if (!m_navigationItem) {
        m_navigationItem = std::make_shared<NavigationItem>(m_title);
    }
    return m_navigationItem;
}

void ViewController::presentModalViewController(const std::shared_ptr<ViewController>& controller, bool animated) {
    if (!controller || controller.get() == this) {
        return;
    }
    if (m_modalViewController) {
        QOV_LOG_WARN("{} already presents {}; not presenting {}", className(), m_modalViewController->className(),
                     controller->className());
        return;
    }
    if (controller->presentingViewController()) {
        QOV_LOG_WARN("{} is already presented; not presenting it again", controller->className());
        return;
    }
    const std::shared_ptr<View> presentedView = controller->view();
    m_modalViewController = controller;
    controller->m_presentingViewController = std::static_pointer_cast<ViewController>(shared_from_this());
    m_presenterWasVisible = isVisible();
    if (m_presenterWasVisible) {
        viewWillDisappear(animated);
    }
    controller->viewWillAppear(animated);
    presentedView->setFrame(Screen::applicationFrame());
    if (auto window = presentationWindow(*this)) {
        window->addModalView(presentedView);
    }
    if (animated) {
        ViewAnimation::animate(kModalTransitionDuration, {});
    }
    if (m_presenterWasVisible) {
        viewDidDisappear(animated);
    }
    controller->viewDidAppear(animated);
}

void ViewController::dismissModalViewControllerAnimated(bool animated) {
    if (!m_modalViewController) {
        if (auto parent = parentViewController()) {
            parent->dismissModalViewControllerAnimated(animated);
        } else {
            QOV_LOG_WARN("{} presents nothing and is not presented: nothing to dismiss", className());
        }
        return;
    }
    // Controllers presented above the dismissed one leave with it; only the top-most one is on screen.
    std::vector<std::shared_ptr<ViewController>> chain;
    for (auto controller = m_modalViewController; controller; controller = controller->m_modalViewController) {
        chain.push_back(controller);
    }
    const std::shared_ptr<ViewController>& top = chain.back();
    const bool reappear = m_presenterWasVisible;
    top->viewWillDisappear(animated);
    if (reappear) {
        viewWillAppear(animated);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (auto window = (*it)->view()->window()) {
            window->removeModalView((*it)->view());
        }
    }
    if (animated) {
        ViewAnimation::animate(kModalTransitionDuration, {});
    }
    for (const auto& controller : chain) {
        controller->m_presentingViewController.reset();
    }
    for (auto it = chain.rbegin() + 1; it != chain.rend(); ++it) {
        (*it)->m_modalViewController.reset();
    }
    m_modalViewController.reset();
    top->viewDidDisappear(animated);
    if (reappear) {
        viewDidAppear(animated);
    }
}

bool ViewController::turnToInterfaceOrientation(DeviceOrientation orientation, double duration) {
    if (orientation == m_interfaceOrientation || !shouldAutorotateToInterfaceOrientation(orientation)) {
        return false;
    }
    const DeviceOrientation old = m_interfaceOrientation;
    willRotateToInterfaceOrientation(orientation, duration);
    m_interfaceOrientation = orientation;
    willAnimateRotationToInterfaceOrientation(orientation, duration);
    didRotateFromInterfaceOrientation(old);
    if (m_modalViewController) {
        m_modalViewController->turnToInterfaceOrientation(orientation, duration);
    }
    return true;
}

}  // namespace platform::ui
