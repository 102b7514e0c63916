#pragma once

#include "platform/ui/View.h"

namespace platform::ui {

enum class ProgressViewStyle { Default = 0, Bar };

// A bar showing progress from 0 to 1.
class ProgressView : public View {
public:
    explicit ProgressView(ProgressViewStyle style = ProgressViewStyle::Default);

    ProgressViewStyle style() const { return m_style; }
    double progress() const { return m_progress; }
    // Clamped to 0...1.
    void setProgress(double progress);

    void draw(gfx::BitmapContext& context) const override;

private:
    ProgressViewStyle m_style;
    double m_progress = 0.0;
};

}  // namespace platform::ui
