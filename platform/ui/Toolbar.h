#pragma once

#include <memory>
#include <vector>

#include "platform/ui/BarButtonItem.h"
#include "platform/ui/BarStyle.h"
#include "platform/ui/View.h"

namespace platform::ui {

// A bar of bar-button items laid out from left to right; flexible spaces share the room left over.
class Toolbar : public View {
public:
    static constexpr double kHeight = 44.0;

    using View::View;

    const std::vector<std::shared_ptr<BarButtonItem>>& items() const { return m_items; }
    void setItems(std::vector<std::shared_ptr<BarButtonItem>> items, bool animated = false);
    const gfx::Color& tintColor() const { return m_tintColor; }
    void setTintColor(const gfx::Color& color) { m_tintColor = color; }
    BarStyle barStyle() const { return m_barStyle; }
    void setBarStyle(BarStyle style) { m_barStyle = style; }

    // Where each item sits, in the bar's bounds (same order as items()).
    std::vector<Rect> itemFrames() const;

    // The item titles separated by " | ".
    std::string text() const override;
    // Taps the enabled item with that title.
    bool tapText(const std::string& text) override;
    bool offersTap(const std::string& text) const override;
    bool respondsToTaps() const override { return true; }
    void layoutSubviews() override;
    void draw(gfx::BitmapContext& context) const override;

private:
    std::vector<std::shared_ptr<BarButtonItem>> m_items;
    gfx::Color m_tintColor = gfx::Color::rgba(0.43, 0.52, 0.63);
    BarStyle m_barStyle = BarStyle::Default;
};

}  // namespace platform::ui
