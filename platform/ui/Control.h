#pragma once

#include <functional>
#include <vector>

#include "platform/ui/View.h"

namespace platform::ui {

// Control events an action can be attached to.
enum ControlEvent : unsigned {
    kControlEventTouchDown = 1u << 0,
    kControlEventTouchUpInside = 1u << 6,
    kControlEventTouchCancel = 1u << 8,
    kControlEventValueChanged = 1u << 12,
    kControlEventEditingDidBegin = 1u << 16,
    kControlEventEditingChanged = 1u << 17,
    kControlEventEditingDidEnd = 1u << 18,
    kControlEventEditingDidEndOnExit = 1u << 19,
    kControlEventAllEvents = 0xFFFFFFFFu,
};

// Control states; a state is a combination, Normal being none.
enum ControlState : unsigned {
    kControlStateNormal = 0,
    kControlStateHighlighted = 1,
    kControlStateDisabled = 2,
    kControlStateSelected = 4,
};

// A view the user acts on. Actions are callbacks per control event (bind a target with platform::bindWeak
// so that an action whose target is gone does nothing). Setting a value from code sends no action; the
// user hooks of each control (and the runner) do.
class Control : public View {
public:
    using Action = std::function<void(Control&)>;

    using View::View;

    void addAction(unsigned events, Action action);
    void removeActions(unsigned events = kControlEventAllEvents);
    bool hasActions(unsigned events) const;
    // Runs, in the order added, every action attached to any of the events.
    void sendActionsForControlEvents(unsigned events);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected) { m_selected = selected; }
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted) { m_highlighted = highlighted; }
    unsigned state() const;
    // Adds "selected", "highlighted" and "disabled" when so.
    std::vector<std::string> dumpState() const override;

    // A tap on the control showing the text: touch up inside, when enabled and on screen.
    bool tapText(const std::string& text) override;
    // A touch on one of the control's subviews is a tap on the control.
    bool tapFrom(View& touched, const std::string& text) override;
    bool respondsToTaps() const override { return m_enabled || View::respondsToTaps(); }

private:
    // Touch down and touch up inside, when enabled.
    bool touchUpInside();

    struct Target {
        unsigned events;
        Action action;
    };
    std::vector<Target> m_targets;
    bool m_enabled = true;
    bool m_selected = false;
    bool m_highlighted = false;
};

}  // namespace platform::ui
