#include "app/shell/tabbar/SlidingTabBar.h"

#include <algorithm>

#include "app/core/services/QOVMetricsService.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/base/Callback.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/ViewAnimation.h"

namespace qov {

using namespace platform::ui;

namespace {

constexpr double kArrowShadeWidth = 16.0;

std::shared_ptr<View> makeShade(InterfaceContext& file, double x) {
    auto shade = file.make<View>(Rect(x, 0, kArrowShadeWidth, SlidingTabBar::kHeight));
    shade->setBackgroundColor(platform::gfx::Color::black().withAlpha(0.6));
    shade->setUserInteractionEnabled(false);
    return shade;
}

std::shared_ptr<ImageView> makeArrow(InterfaceContext& file, double x, const char* image) {
    auto arrow = file.make<ImageView>(Image::named(image));
    arrow->setFrame(Rect(x, 15, 12, 19));
    arrow->setUserInteractionEnabled(false);
    return arrow;
}

}  // namespace

void SlidingTabBar::registerInterfaceFile() {
    InterfaceFile::registerBuilder(kInterfaceFileName, [](InterfaceContext& file) {
        const double width = 320.0;
        auto bar = file.makeTopLevel<SlidingTabBar>(Rect(0, 0, width, kHeight));
        bar->setBackgroundColor(platform::gfx::Color::black());
        bar->m_scrollView = file.make<ScrollView>(Rect(0, 0, width, kHeight));
        bar->m_scrollView->setShowsHorizontalScrollIndicator(false);
        bar->m_scrollView->setShowsVerticalScrollIndicator(false);
        bar->m_searchButton = file.make<Button>(ButtonType::Custom, Rect(0, 0, 0, kHeight));
        bar->m_searchButton->setHidden(true);
        bar->m_searchButton->addAction(
            kControlEventTouchUpInside,
            platform::bindWeak(bar, [](SlidingTabBar& strip, Control&) { strip.searchButtonPressed(); }));
        bar->m_leftBlackView = makeShade(file, 0.0);
        bar->m_rightBlackView = makeShade(file, width - kArrowShadeWidth);
        bar->m_leftArrow = makeArrow(file, 2.0, "tabbar-arrow-left.png");
        bar->m_rightArrow = makeArrow(file, width - 14.0, "tabbar-arrow-right.png");
        for (const auto& part :
             std::initializer_list<std::shared_ptr<View>>{bar->m_scrollView, bar->m_searchButton, bar->m_leftBlackView,
                                                          bar->m_rightBlackView, bar->m_leftArrow, bar->m_rightArrow}) {
            bar->addSubview(part);
        }
    });
}

void SlidingTabBar::awakeFromNib() {
    QOVView::awakeFromNib();
    m_previousItem.reset();
    m_slots.clear();
    m_scrollView->setDelegate(std::dynamic_pointer_cast<SlidingTabBar>(shared_from_this()));
}

void SlidingTabBar::setMasterViewController(const std::shared_ptr<QOVViewController>& master) {
    m_masterViewController = master;
}

void SlidingTabBar::clearSlots() {
    for (const auto& slot : m_slots) {
        slot->button()->removeActions(kControlEventTouchUpInside);
        slot->removeFromSuperview();
    }
    m_slots.clear();
    m_previousItem.reset();
}

void SlidingTabBar::setItems(const std::vector<std::shared_ptr<SlidingTabBarItem>>& items) {
    clearSlots();
    m_items = items;
    m_itemRange = ItemRange{0, m_items.size()};
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        m_items[i]->setTag(static_cast<int>(i) + 1);
        m_slots.push_back(m_items[i]);
    }

    const auto frame = m_scrollView->frame();
    m_barWidth = std::max(static_cast<double>(m_slots.size()) * kSlotWidth, frame.width());
    m_scrollView->setContentSize(Size{m_barWidth, frame.height()});

    const auto self = std::dynamic_pointer_cast<SlidingTabBar>(shared_from_this());
    for (std::size_t i = 0; i < m_slots.size(); ++i) {
        const auto& slot = m_slots[i];
        slot->setHighlight(i == 0);
        if (i == 0) {
            m_previousItem = slot;
        }
        auto slotFrame = slot->frame();
        slotFrame.origin.x = static_cast<double>(i) * slotFrame.width();
        slot->setFrame(slotFrame);
        slot->button()->addAction(kControlEventTouchUpInside,
                                  platform::bindWeak(self, [](SlidingTabBar& strip, Control& button) {
                                      strip.itemPressed(static_cast<Button&>(button));
                                  }));
        m_scrollView->addSubview(slot);
    }
    toggleLeftAndRightArrows();
}

void SlidingTabBar::addItem(const std::shared_ptr<SlidingTabBarItem>& item) {
    if (std::find(m_items.begin(), m_items.end(), item) != m_items.end()) {
        return;
    }
    auto items = m_items;
    items.push_back(item);
    setItems(items);
}

void SlidingTabBar::removeItem(const std::shared_ptr<SlidingTabBarItem>& item) {
    auto items = m_items;
    const auto removed = std::remove(items.begin(), items.end(), item);
    if (removed == items.end()) {
        return;
    }
    items.erase(removed, items.end());
    setItems(items);
}

void SlidingTabBar::setSelectedItem(const std::shared_ptr<SlidingTabBarItem>& item) {
    if (item) {
        itemPressed(*item->button());
    }
}

void SlidingTabBar::setHighlightedItem(const std::shared_ptr<SlidingTabBarItem>& item) {
    if (const auto previous = m_previousItem.lock()) {
        previous->setHighlight(false);
    }
    if (item) {
        item->setHighlight(true);
    }
    m_previousItem = item;
}

void SlidingTabBar::itemPressed(Button& button) {
    if (auto item = std::dynamic_pointer_cast<SlidingTabBarItem>(button.superview())) {
        pressItem(*item);
    }
}

void SlidingTabBar::pressItem(SlidingTabBarItem& item) {
    if (const auto previous = m_previousItem.lock()) {
        previous->setHighlight(false);
    }
    const auto metrics = QOVMetricsService::sharedInstance();
    metrics->setLevel1(item.level1Beacon());
    metrics->setLevel2(item.level2Beacon());
    metrics->setSectionDisplayed(item.contentType());
    item.setHighlight(true);
    if (const auto target = delegate()) {
        target->tabBarDidSelectItem(*this, item);
    }
    m_previousItem = std::dynamic_pointer_cast<SlidingTabBarItem>(item.shared_from_this());
}

void SlidingTabBar::searchButtonPressed() {
    if (const auto master = std::dynamic_pointer_cast<SlidingTabBarDelegate>(m_masterViewController.lock())) {
        master->toggleLocationBarView();
    }
}

void SlidingTabBar::adjustScrollView(ScrollView& scrollView, Point offset, bool animated) {
    if (animated) {
        ViewAnimation::beginAnimations("scrollcontent");
        ViewAnimation::setAnimationDuration(0.5);
    }
    scrollView.setContentOffset(offset);
    if (animated) {
        ViewAnimation::commitAnimations();
    }
}

void SlidingTabBar::scrollTo(double x, bool animated) {
    const Point farthest = m_scrollView->maximumContentOffset();
    adjustScrollView(*m_scrollView, Point{std::clamp(x, 0.0, std::max(farthest.x, 0.0)), 0.0}, animated);
}

void SlidingTabBar::centerTabBarOnItem(const SlidingTabBarItem& item, bool animated) {
    const Rect frame = item.frame();
    scrollTo(frame.x() - frame.width() / 2.0 + m_barWidth, animated);
}

void SlidingTabBar::leftJustifyTabBarOnItem(const SlidingTabBarItem& item, bool animated) {
    scrollTo(item.frame().x(), animated);
}

void SlidingTabBar::swapItemFromIndex(std::size_t from, std::size_t to) {
    if (from >= m_slots.size() || to >= m_slots.size() || from == to) {
        return;
    }
    const Rect fromFrame = m_slots[from]->frame();
    m_slots[from]->setFrame(m_slots[to]->frame());
    m_slots[to]->setFrame(fromFrame);
    std::swap(m_slots[from], m_slots[to]);
}

void SlidingTabBar::resetSlots() {
    if (m_itemRange.location == m_itemRange.length) {
        return;
    }
    for (std::size_t i = 0; i < m_itemRange.length; ++i) {
        swapItemFromIndex(m_itemRange.location + i, m_itemRange.length + i);
    }
    m_itemRange.location = m_itemRange.length;
}

void SlidingTabBar::toggleLeftAndRightArrows() {
    const double contentWidth = m_scrollView->contentSize().width;
    const double frameWidth = m_scrollView->frame().width();
    const double offset = m_scrollView->contentOffset().x;
    const bool fits = contentWidth <= frameWidth;
    const bool moreLeft = !fits && offset > 0.0;
    const bool moreRight = !fits && offset < contentWidth - frameWidth;
    m_leftArrow->setHidden(!moreLeft);
    m_leftBlackView->setHidden(!moreLeft);
    m_rightArrow->setHidden(!moreRight);
    m_rightBlackView->setHidden(!moreRight);
}

}  // namespace qov
