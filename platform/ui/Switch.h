#pragma once

#include "platform/ui/Control.h"

namespace platform::ui {

// An on/off switch. setOn() from code sends no action; toggle() is the user's tap.
class Switch : public Control {
public:
    using Control::Control;

    bool isOn() const { return m_on; }
    void setOn(bool on, bool animated = false);
    // The user flips the switch: value-changed is sent.
    void toggle();

    std::string text() const override { return m_on ? "ON" : "OFF"; }
    bool tapText(const std::string& text) override;
    void draw(gfx::BitmapContext& context) const override;

private:
    bool m_on = false;
};

}  // namespace platform::ui
