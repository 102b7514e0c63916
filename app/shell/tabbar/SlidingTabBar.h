#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "app/shell/tabbar/SlidingTabBarDelegate.h"
#include "app/ui/base/QOVView.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/ScrollViewDelegate.h"

namespace qov {

class QOVMasterViewController;
class QOVViewController;

// The root screen's tab strip: the items side by side (78 points each) in a horizontally scrolling view,
// arrows at either end while more items lie that way. Pressing an item highlights it, reports its beacon
// names and content type to measurement and tells the delegate. The delegate and the root controller are
// not retained. Main thread only.
class SlidingTabBar : public QOVView, public platform::ui::ScrollViewDelegate {
public:
    using QOVView::QOVView;

    static constexpr const char* kInterfaceFileName = "SlidingTabBar";
    static constexpr double kSlotWidth = 78.0;
    static constexpr double kHeight = 49.0;

    static void registerInterfaceFile();

    // Outlets.
    std::shared_ptr<platform::ui::ScrollView> m_scrollView;
    std::shared_ptr<platform::ui::Button> m_searchButton;
    std::shared_ptr<platform::ui::ImageView> m_leftArrow;
    std::shared_ptr<platform::ui::ImageView> m_rightArrow;
    std::shared_ptr<platform::ui::View> m_leftBlackView;
    std::shared_ptr<platform::ui::View> m_rightBlackView;

    // No highlighted item; the strip becomes its scroll view's delegate.
    void awakeFromNib() override;

    std::shared_ptr<SlidingTabBarDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<SlidingTabBarDelegate> delegate) { m_delegate = std::move(delegate); }
    template <typename Master = QOVMasterViewController>
    std::shared_ptr<Master> masterViewController() const {
        return std::dynamic_pointer_cast<Master>(m_masterViewController.lock());
    }
    void setMasterViewController(const std::shared_ptr<QOVViewController>& master);

    // Replaces the items: the earlier ones leave the strip, the new ones are numbered 1..n, placed side by
    // side and the first is highlighted; the content is at least as wide as the strip.
    void setItems(const std::vector<std::shared_ptr<SlidingTabBarItem>>& items);
    const std::vector<std::shared_ptr<SlidingTabBarItem>>& items() const { return m_items; }
    void addItem(const std::shared_ptr<SlidingTabBarItem>& item);
    void removeItem(const std::shared_ptr<SlidingTabBarItem>& item);
    // The highlighted item (nullptr before items are set).
    std::shared_ptr<SlidingTabBarItem> highlightedItem() const { return m_previousItem.lock(); }
    double barWidth() const { return m_barWidth; }

    // Exactly as if the user pressed the item.
    void setSelectedItem(const std::shared_ptr<SlidingTabBarItem>& item);
    // Moves the highlight to the item without telling measurement or the delegate.
    void setHighlightedItem(const std::shared_ptr<SlidingTabBarItem>& item);
    // The action of every item's button.
    void itemPressed(platform::ui::Button& button);
    void searchButtonPressed();

    // Where the items run in the slot list: from location, length items (0 and the item count once items are set).
    struct ItemRange {
        std::size_t location = 0;
        std::size_t length = 0;
    };

    void adjustScrollView(platform::ui::ScrollView& scrollView, platform::ui::Point offset, bool animated);
    // Scrolls to the item's place in the second half of a doubled strip: x = the item's x - half its width + the
    // bar's width. Like every scroll of the strip, the offset stays within the content.
    void centerTabBarOnItem(const SlidingTabBarItem& item, bool animated);
    // Scrolls to the item's origin (within the content).
    void leftJustifyTabBarOnItem(const SlidingTabBarItem& item, bool animated);
    // Exchanges two slots: their places in the slot list and their frames. An index past the slots does nothing.
    void swapItemFromIndex(std::size_t from, std::size_t to);
    // When the items do not start at the second half of the slot list, moves each slot of the run there (slot
    // location + i with slot length + i, where both exist); then the run starts at the second half.
    void resetSlots();
    ItemRange itemRange() const { return m_itemRange; }
    // The item views in strip order.
    const std::vector<std::shared_ptr<SlidingTabBarItem>>& slots() const { return m_slots; }

    // Left arrow while content lies to the left, right arrow while content lies to the right, neither when
    // the content fits the strip.
    void toggleLeftAndRightArrows();
    void scrollViewDidScroll(platform::ui::ScrollView&) override { toggleLeftAndRightArrows(); }

private:
    void pressItem(SlidingTabBarItem& item);
    void clearSlots();
    // Scrolls to x (kept within the content), y 0.
    void scrollTo(double x, bool animated);

    std::vector<std::shared_ptr<SlidingTabBarItem>> m_items;
    std::weak_ptr<SlidingTabBarItem> m_previousItem;
    double m_barWidth = 0.0;
    std::weak_ptr<SlidingTabBarDelegate> m_delegate;
    std::weak_ptr<QOVViewController> m_masterViewController;
    std::vector<std::shared_ptr<SlidingTabBarItem>> m_slots;
    ItemRange m_itemRange;
};

}  // namespace qov
