#pragma once

#include "platform/ui/Control.h"

namespace platform::ui {

// A value between a minimum and a maximum. setValue() from code sends no action; slide() is the user's.
class Slider : public Control {
public:
    using Control::Control;

    double value() const { return m_value; }
    // Clamped to the range.
    void setValue(double value, bool animated = false);
    double minimumValue() const { return m_minimumValue; }
    void setMinimumValue(double value);
    double maximumValue() const { return m_maximumValue; }
    void setMaximumValue(double value);
    bool isContinuous() const { return m_continuous; }
    void setContinuous(bool continuous) { m_continuous = continuous; }

    // The user drags the thumb to the value: value-changed is sent.
    void slide(double value);
    // The user drags the thumb dx points along the track (the width less the thumb): the value moves by the same
    // share of the range, then as slide().
    void dragThumb(double dx);

    void draw(gfx::BitmapContext& context) const override;

private:
    double m_value = 0.0;
    double m_minimumValue = 0.0;
    double m_maximumValue = 1.0;
    bool m_continuous = true;
};

}  // namespace platform::ui
