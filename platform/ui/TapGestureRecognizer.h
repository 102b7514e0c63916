#pragma once

#include <functional>
#include <memory>

namespace platform::ui {

class View;

// Recognises taps on the view it is attached to and then calls its action. Headless: fire() stands for a
// recognised tap.
class TapGestureRecognizer {
public:
    using Action = std::function<void(TapGestureRecognizer&)>;

    explicit TapGestureRecognizer(Action action = {}) : m_action(std::move(action)) {}

    void setAction(Action action) { m_action = std::move(action); }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    int numberOfTapsRequired() const { return m_numberOfTapsRequired; }
    void setNumberOfTapsRequired(int taps) { m_numberOfTapsRequired = taps; }
    std::shared_ptr<View> view() const { return m_view.lock(); }

    // A recognised tap: calls the action when enabled and attached; answers whether it did.
    bool fire();

private:
    friend class View;
    Action m_action;
    bool m_enabled = true;
    int m_numberOfTapsRequired = 1;
    std::weak_ptr<View> m_view;
};

}  // namespace platform::ui
