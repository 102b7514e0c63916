#include "platform/ui/NavigationController.h"

#include <algorithm>

#include "platform/base/Callback.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ViewAnimation.h"

namespace platform::ui {

namespace {

constexpr double kTransitionDuration = 0.35;

}  // namespace

NavigationController::NavigationController(std::shared_ptr<ViewController> rootViewController) {
    if (rootViewController) {
        m_viewControllers.push_back(std::move(rootViewController));
        m_viewControllers.back()->m_navigationController = this;
    }
}

NavigationController::~NavigationController() {
    for (const auto& controller : m_viewControllers) {
        if (controller->m_navigationController == this) {
            controller->m_navigationController = nullptr;
        }
    }
}

std::shared_ptr<ViewController> NavigationController::topViewController() const {
    return m_viewControllers.empty() ? nullptr : m_viewControllers.back();
}

std::shared_ptr<ViewController> NavigationController::visibleViewController() const {
    auto top = topViewController();
    if (top && top->modalViewController()) {
        return top->modalViewController();
    }
    return top;
}

void NavigationController::adopt(const std::shared_ptr<ViewController>& controller) {
    controller->m_navigationController = this;
}

void NavigationController::setViewControllers(std::vector<std::shared_ptr<ViewController>> controllers, bool animated) {
    std::erase(controllers, nullptr);
    const auto from = topViewController();
    for (const auto& controller : m_viewControllers) {
        if (std::find(controllers.begin(), controllers.end(), controller) == controllers.end()) {
            controller->m_navigationController = nullptr;
        }
    }
    m_viewControllers = std::move(controllers);
    for (const auto& controller : m_viewControllers) {
        adopt(controller);
    }
    updateBar();
    const auto to = topViewController();
    if (from != to) {
        transition(from, to, animated);
    }
}

void NavigationController::pushViewController(const std::shared_ptr<ViewController>& controller, bool animated) {
    if (!controller ||
        std::find(m_viewControllers.begin(), m_viewControllers.end(), controller) != m_viewControllers.end()) {
        return;
    }
    const auto from = topViewController();
    adopt(controller);
    m_viewControllers.push_back(controller);
    updateBar();
    transition(from, controller, animated);
}

std::shared_ptr<ViewController> NavigationController::popViewControllerAnimated(bool animated) {
    if (m_viewControllers.size() < 2) {
        return nullptr;
    }
    const auto popped = m_viewControllers.back();
    m_viewControllers.pop_back();
    updateBar();
    transition(popped, topViewController(), animated);
    popped->m_navigationController = nullptr;
    return popped;
}

std::vector<std::shared_ptr<ViewController>> NavigationController::popToRootViewControllerAnimated(bool animated) {
    if (m_viewControllers.size() < 2) {
        return {};
    }
    std::vector<std::shared_ptr<ViewController>> popped(m_viewControllers.begin() + 1, m_viewControllers.end());
    const auto from = topViewController();
    m_viewControllers.resize(1);
    updateBar();
    transition(from, topViewController(), animated);
    for (const auto& controller : popped) {
        controller->m_navigationController = nullptr;
    }
    return popped;
}

const std::shared_ptr<NavigationBar>& NavigationController::navigationBar() {
    if (!m_navigationBar) {
        m_navigationBar =
            std::make_shared<NavigationBar>(Rect(0.0, 0.0, Screen::bounds().width(), NavigationBar::kHeight));
        m_navigationBar->setAutoresizingMask(kAutoresizingFlexibleWidth);
        m_navigationBar->setBackAction(
            bindWeak(std::static_pointer_cast<NavigationController>(shared_from_this()),
                     [](NavigationController& navigation) { navigation.popViewControllerAnimated(true); }));
        updateBar();
    }
    return m_navigationBar;
}

void NavigationController::setNavigationBarHidden(bool hidden, bool) {
    m_navigationBarHidden = hidden;
    navigationBar()->setHidden(hidden);
    if (auto top = topViewController(); top && isViewLoaded() && top->isViewLoaded()) {
        top->view()->setFrame(contentFrame());
    }
}

Rect NavigationController::contentFrame() const {
    const Rect area = const_cast<NavigationController*>(this)->view()->bounds();
    const double bar = m_navigationBarHidden ? 0.0 : NavigationBar::kHeight;
    return Rect(area.x(), area.y() + bar, area.width(), area.height() - bar);
}

void NavigationController::updateBar() {
    if (!m_navigationBar) {
        return;
    }
    std::vector<std::shared_ptr<NavigationItem>> items;
    for (const auto& controller : m_viewControllers) {
        items.push_back(controller->navigationItem());
    }
    m_navigationBar->setItems(std::move(items));
}

void NavigationController::loadView() {
    if (!nibName().empty()) {
        InterfaceFile::load(nibName(), shared_from_this());
    }
    auto view = std::make_shared<View>(Screen::applicationFrame());
    setView(view);
    const auto& bar = navigationBar();
    bar->setFrame(Rect(0.0, 0.0, view->bounds().width(), NavigationBar::kHeight));
    bar->setHidden(m_navigationBarHidden);
    view->addSubview(bar);
    if (auto top = topViewController()) {
        auto topView = top->view();
        topView->setFrame(contentFrame());
        topView->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
        view->insertSubview(topView, 0);
    }
}

void NavigationController::transition(const std::shared_ptr<ViewController>& from,
                                      const std::shared_ptr<ViewController>& to, bool animated) {
    const bool visible = isVisible();
    if (to && (visible || isViewLoaded())) {
        to->view();  // loaded before it hears that it will appear
    }
    if (visible && from) {
        from->viewWillDisappear(animated);
    }
    if (visible && to) {
        to->viewWillAppear(animated);
    }
    if (isViewLoaded()) {
        if (from && from->isViewLoaded() && from->view()->superview() == view()) {
            from->view()->removeFromSuperview();
        }
        if (to) {
            auto toView = to->view();
            toView->setFrame(contentFrame());
            toView->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
            view()->insertSubview(toView, 0);
        }
    }
    if (animated) {
        ViewAnimation::animate(kTransitionDuration, {});
    }
    if (visible && from) {
        from->viewDidDisappear(animated);
    }
    if (visible && to) {
        to->viewDidAppear(animated);
    }
}

void NavigationController::viewWillAppear(bool animated) {
    ViewController::viewWillAppear(animated);
    if (auto top = topViewController()) {
        top->viewWillAppear(animated);
    }
}

void NavigationController::viewDidAppear(bool animated) {
    ViewController::viewDidAppear(animated);
    if (auto top = topViewController()) {
        top->viewDidAppear(animated);
    }
}

void NavigationController::viewWillDisappear(bool animated) {
    ViewController::viewWillDisappear(animated);
    if (auto top = topViewController()) {
        top->viewWillDisappear(animated);
    }
}

void NavigationController::viewDidDisappear(bool animated) {
    ViewController::viewDidDisappear(animated);
    if (auto top = topViewController()) {
        top->viewDidDisappear(animated);
    }
}

}  // namespace platform::ui
