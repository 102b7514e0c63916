#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "platform/ui/Geometry.h"

namespace platform::ui {

class View;

// One tap gesture of the user: how many taps in a row, with how many fingers at once, and where the finger was
// in window coordinates (none for a script's tap of a named view, which has no point of its own).
struct TapGesture {
    int taps = 1;
    int touches = 1;
    std::optional<Point> location;

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
    // Where the gesture being acted on touched, in its view's bounds; nullopt when it had no point.
    std::optional<Point> locationInView() const;

    bool recognizes(const TapGesture& gesture) const {
        return gesture.taps == m_numberOfTapsRequired && gesture.touches == m_numberOfTouchesRequired;
    }
    // A recognised gesture (touching at location, window coordinates): calls the action when enabled and
    // attached; answers whether it did.
    bool fire(std::optional<Point> location = std::nullopt);

private:
    friend class View;
    Action m_action;
    bool m_enabled = true;
    int m_numberOfTapsRequired = 1;
    int m_numberOfTouchesRequired = 1;
    std::weak_ptr<View> m_view;
    std::optional<Point> m_location;
};

}  // namespace platform::ui
