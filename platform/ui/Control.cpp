#include "platform/ui/Control.h"

#include <algorithm>

namespace platform::ui {

void Control::addAction(unsigned events, Action action) {
    if (action) {
        m_targets.push_back(Target{events, std::move(action)});
    }
}

void Control::removeActions(unsigned events) {
    for (Target& target : m_targets) {
        target.events &= ~events;
    }
    std::erase_if(m_targets, [](const Target& target) { return target.events == 0; });
}

bool Control::hasActions(unsigned events) const {
    return std::any_of(m_targets.begin(), m_targets.end(),
                       [events](const Target& target) { return (target.events & events) != 0; });
}

void Control::sendActionsForControlEvents(unsigned events) {
    const std::vector<Target> targets = m_targets;  // an action may change the list
    for (const Target& target : targets) {
        if ((target.events & events) != 0) {
            target.action(*this);
        }
    }
}

std::vector<std::string> Control::dumpState() const {
    auto state = View::dumpState();
    if (m_selected) {
        state.emplace_back("selected");
    }
    if (m_highlighted) {
        state.emplace_back("highlighted");
    }
    if (!m_enabled) {
        state.emplace_back("disabled");
    }
    return state;
}

unsigned Control::state() const {
    unsigned result = kControlStateNormal;
    if (m_highlighted) {
        result |= kControlStateHighlighted;
    }
    if (!m_enabled) {
        result |= kControlStateDisabled;
    }
    if (m_selected) {
        result |= kControlStateSelected;
    }
    return result;
}

bool Control::tapText(const std::string& text) {
    if (text.empty() || this->text() != text) {
        return false;
    }
    return touchUpInside();
}

bool Control::tapFrom(View& touched, const std::string& text) {
    return &touched == this ? tapText(text) : touchUpInside();
}

bool Control::touchUpInside() {
    if (!m_enabled || !isUserInteractionEnabled()) {
        return false;
    }
    sendActionsForControlEvents(kControlEventTouchDown);
    sendActionsForControlEvents(kControlEventTouchUpInside);
    return true;
}

}  // namespace platform::ui
