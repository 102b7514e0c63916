#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/BarStyle.h"
#include "platform/ui/NavigationItem.h"
#include "platform/ui/View.h"

namespace platform::ui {

// The bar at the top of a navigation stack: the top item's title (or title view) in the middle (smaller and on
// two lines when it is too long for one), its left item or a back button (titled after the item below) on the
// left, its right item on the right.
class NavigationBar : public View {
public:
    static constexpr double kHeight = 44.0;

    using View::View;

    const std::vector<std::shared_ptr<NavigationItem>>& items() const { return m_items; }
    void setItems(std::vector<std::shared_ptr<NavigationItem>> items);
    void pushNavigationItem(std::shared_ptr<NavigationItem> item);
    std::shared_ptr<NavigationItem> popNavigationItem();
    std::shared_ptr<NavigationItem> topItem() const { return m_items.empty() ? nullptr : m_items.back(); }
    std::shared_ptr<NavigationItem> backItem() const;

    const gfx::Color& tintColor() const { return m_tintColor; }
    void setTintColor(const gfx::Color& color) { m_tintColor = color; }
    BarStyle barStyle() const { return m_barStyle; }
    void setBarStyle(BarStyle style) { m_barStyle = style; }

    // The back button's title, or "" when no back button shows.
    std::string backButtonTitle() const;
    // What a tap on the back button does (the navigation controller pops).
    void setBackAction(std::function<void()> action) { m_backAction = std::move(action); }
    // The user taps the back button; false when none shows.
    bool tapBackButton();

    Rect leftFrame() const;
    Rect rightFrame() const;

    // The top item's title.
    std::string text() const override;
    // The title as drawn: one line, or two in a smaller face when one is too long (what does not fit on two is
    // left out, and the second line then ends in an ellipsis).
    std::vector<std::string> titleLines() const;
    // Taps the left, right or back button with that title.
    bool tapText(const std::string& text) override;
    bool offersTap(const std::string& text) const override;
    bool respondsToTaps() const override { return true; }
    void layoutSubviews() override;
    void draw(gfx::BitmapContext& context) const override;

private:
    void showTitleView();
    Rect titleArea() const;

    std::vector<std::shared_ptr<NavigationItem>> m_items;
    gfx::Color m_tintColor = gfx::Color::rgba(0.43, 0.52, 0.63);
    BarStyle m_barStyle = BarStyle::Default;
    std::function<void()> m_backAction;
    std::shared_ptr<View> m_shownTitleView;
};

}  // namespace platform::ui
