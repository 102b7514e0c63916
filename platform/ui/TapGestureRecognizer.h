#pragma once

#include <functional>
#include <memory>

namespace platform::ui {

class View;

// One tap gesture of the user: how many taps in a row, with how many fingers at once.
struct TapGesture {
    int taps = 1;
    int touches = 1;

    bool isSingleTap() const { return taps == 1 && touches == 1; }
};

// Recognises taps on the view it is attached to and then calls its action. It recognises the gestures of
// exactly its number of taps and of touches (fingers); a single tap does not fire a double-tap recogniser.
// Headless: fire() stands for a recognised gesture.
class TapGestureRecognizer {
public:
    using Action = std::function<void(TapGestureRecognizer&)>;

    explicit TapGestureRecognizer(Action action = {}) : m_action(std::move(action)) {}

    void setAction(Action action) { m_action = std::move(action); }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    int numberOfTapsRequired() const { return m_numberOfTapsRequired; }
    void setNumberOfTapsRequired(int taps) { m_numberOfTapsRequired = taps; }
    int numberOfTouchesRequired() const { return m_numberOfTouchesRequired; }
    void setNumberOfTouchesRequired(int touches) { m_numberOfTouchesRequired = touches; }
    std::shared_ptr<View> view() const { return m_view.lock(); }

    bool recognizes(const TapGesture& gesture) const {
        return gesture.taps == m_numberOfTapsRequired && gesture.touches == m_numberOfTouchesRequired;
    }
    // A recognised gesture: calls the action when enabled and attached; answers whether it did.
    bool fire();

private:
    friend class View;
    Action m_action;
    bool m_enabled = true;
    int m_numberOfTapsRequired = 1;
    int m_numberOfTouchesRequired = 1;
    std::weak_ptr<View> m_view;
};

}  // namespace platform::ui
