#pragma once

#include "platform/ui/View.h"

namespace platform::ui {

enum class ActivityIndicatorStyle { WhiteLarge = 0, White, Gray };

// A spinner; hidden while stopped unless told otherwise.
class ActivityIndicatorView : public View {
public:
    explicit ActivityIndicatorView(ActivityIndicatorStyle style = ActivityIndicatorStyle::White);

    ActivityIndicatorStyle style() const { return m_style; }
    void startAnimating();
    void stopAnimating();
    bool isAnimating() const { return m_animating; }
    bool hidesWhenStopped() const { return m_hidesWhenStopped; }
    void setHidesWhenStopped(bool hides);

    void draw(gfx::BitmapContext& context) const override;

private:
    ActivityIndicatorStyle m_style;
    bool m_animating = false;
    bool m_hidesWhenStopped = true;
};

}  // namespace platform::ui
