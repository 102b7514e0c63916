#include "platform/ui/Window.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ViewController.h"

namespace platform::ui {

Window::Window() : View(Screen::bounds()) {}

Window::Window(const Rect& frame) : View(frame) {}

void Window::setRootViewController(std::shared_ptr<ViewController> controller) {
    if (controller == m_rootViewController) {
        return;
    }
    const std::shared_ptr<ViewController> old = std::move(m_rootViewController);
    m_rootViewController = std::move(controller);
    if (old) {
        if (m_visible) {
            old->viewWillDisappear(false);
        }
        if (old->isViewLoaded()) {
            old->view()->removeFromSuperview();
        }
        if (m_visible) {
            old->viewDidDisappear(false);
        }
    }
    if (!m_rootViewController) {
        return;
    }
    const std::shared_ptr<View> rootView = m_rootViewController->view();
    rootView->setFrame(Screen::applicationFrame());
    if (m_visible) {
        m_rootViewController->viewWillAppear(false);
    }
    insertSubview(rootView, 0);
    if (m_visible) {
        m_rootViewController->viewDidAppear(false);
    }
}

void Window::makeKeyAndVisible() {
    Application::shared().m_keyWindow = std::static_pointer_cast<Window>(shared_from_this());
    setHidden(false);
    if (m_visible) {
        return;
    }
    m_visible = true;
    if (m_rootViewController) {
        m_rootViewController->viewWillAppear(false);
        m_rootViewController->viewDidAppear(false);
    }
}

bool Window::isKeyWindow() const { return Application::shared().keyWindow().get() == this; }

bool Window::turnToInterfaceOrientation(DeviceOrientation orientation, double duration) {
    if (!m_rootViewController || !m_rootViewController->turnToInterfaceOrientation(orientation, duration)) {
        return false;
    }
    Application::shared().setStatusBarOrientation(orientation);
    return true;
}

std::vector<std::shared_ptr<View>> Window::visibleSubviews() const {
    const auto& all = subviews();
    auto start = all.begin();
    for (auto it = all.begin(); it != all.end(); ++it) {
        const bool modal = std::any_of(m_modalViews.begin(), m_modalViews.end(),
                                       [&](const std::weak_ptr<View>& view) { return view.lock() == *it; });
        if (modal) {
            start = it;
        }
    }
    return std::vector<std::shared_ptr<View>>(start, all.end());
}

void Window::addModalView(const std::shared_ptr<View>& view) {
    addSubview(view);
    m_modalViews.push_back(view);
}

void Window::removeModalView(const std::shared_ptr<View>& view) {
    std::erase_if(m_modalViews, [&](const std::weak_ptr<View>& entry) {
        auto locked = entry.lock();
        return !locked || locked == view;
    });
    if (view && view->superview().get() == this) {
        view->removeFromSuperview();
    }
}

}  // namespace platform::ui
