#include "app/shell/tabbar/SlidingTabBar.h"

#include <gtest/gtest.h>

#include "app/ui/theme/QOVThemeService.h"
#include "platform/ui/ScriptTargets.h"
#include "tests/support/app/ShellFixture.h"

namespace qov {
namespace {

class TabListener : public SlidingTabBarDelegate {
public:
    void tabBarDidSelectItem(SlidingTabBar&, SlidingTabBarItem& item) override { selected.push_back(item.tag()); }
    std::vector<int> selected;
};

class SlidingTabBarTest : public qovtest::ShellFixture {
protected:
    SlidingTabBarTest() { m_bar->setDelegate(m_listener); }

    static std::vector<std::shared_ptr<SlidingTabBarItem>> makeItems(int count) {
        std::vector<std::shared_ptr<SlidingTabBarItem>> items;
        for (int i = 0; i < count; ++i) {
            items.push_back(SlidingTabBarItem::create("tab" + std::to_string(i), "Tab " + std::to_string(i),
                                                      platform::ui::Image::named("tabbar-icon-weather.png"), 1,
                                                      "Section" + std::to_string(i), "LEVEL" + std::to_string(i),
                                                      "SUB" + std::to_string(i)));
        }
        return items;
    }
    // Left arrow, left shade, right arrow, right shade shown.
    std::array<bool, 4> arrows() const {
        return {!m_bar->m_leftArrow->isHidden(), !m_bar->m_leftBlackView->isHidden(), !m_bar->m_rightArrow->isHidden(),
                !m_bar->m_rightBlackView->isHidden()};
    }

    std::shared_ptr<SlidingTabBar> m_bar = QOVView::viewFromNIB<SlidingTabBar>();
    std::shared_ptr<TabListener> m_listener = std::make_shared<TabListener>();
};

TEST_F(SlidingTabBarTest, ElevenItemsScrollAndTheArrowsFollowTheContent) {
    const auto items = makeItems(11);
    m_bar->setItems(items);
    EXPECT_EQ(m_bar->m_scrollView->contentSize().width, 858.0);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(items[i]->tag(), i + 1);
        EXPECT_EQ(items[i]->frame(), platform::ui::Rect(78.0 * i, 0, 78, 49));
    }
    EXPECT_TRUE(items[0]->isHighlighted());
    EXPECT_TRUE(items[0]->isBadgeHidden());

    const std::pair<double, std::array<bool, 4>> cases[] = {
        {0.0, {false, false, true, true}},   {200.0, {true, true, true, true}},
        {400.0, {true, true, true, true}},  // past a strip's width, content still lies to the right
        {538.0, {true, true, false, false}}, {0.0, {false, false, true, true}},
    };
    for (const auto& [offset, shown] : cases) {
        m_bar->m_scrollView->drag(platform::ui::Point{offset, 0.0});
        EXPECT_EQ(arrows(), shown) << "offset " << offset;
    }
}

TEST_F(SlidingTabBarTest, ANewItemSetReplacesTheOldOneAndAFewItemsNeedNoArrows) {
    const auto old = makeItems(11);
    m_bar->setItems(old);
    const auto items = makeItems(3);
    m_bar->setItems(items);
    EXPECT_EQ(m_bar->m_scrollView->subviews().size(), 3u);
    EXPECT_EQ(m_bar->m_scrollView->contentSize().width, 320.0);  // a few items fill the strip without arrows
    EXPECT_EQ(arrows(), (std::array<bool, 4>{false, false, false, false}));
    EXPECT_EQ(old[0]->superview(), nullptr);
    EXPECT_EQ(m_bar->highlightedItem(), items[0]);
    old[1]->button()->sendActionsForControlEvents(platform::ui::kControlEventTouchUpInside);
    EXPECT_TRUE(m_listener->selected.empty());
}

TEST_F(SlidingTabBarTest, PressingAnItemAnywhereMovesTheHighlightAndReportsItEveryTime) {
    const auto items = makeItems(5);
    m_bar->setItems(items);
    items[2]->setBadgeValue("4");
    items[2]->setBadgeHidden(false);
    // Its title, its picture behind everything, its badge and its button each press the item.
    const std::vector<std::shared_ptr<platform::ui::View>> parts{items[2]->m_titleLabel, items[2]->m_imageView,
                                                                 items[2]->m_badgeLabel, items[2]->m_button};
    for (const auto& part : parts) {
        EXPECT_TRUE(platform::ui::ScriptTargets::tap(*part, part->text())) << part->className();
    }
    EXPECT_FALSE(items[0]->isHighlighted());
    EXPECT_TRUE(items[2]->isHighlighted());
    EXPECT_EQ(items[2]->backgroundColor(), QOVThemeService::tabBarItemHighlightedColor());
    m_bar->setSelectedItem(items[2]);
    EXPECT_EQ(m_listener->selected, (std::vector<int>{3, 3, 3, 3, 3}));

    QOVMetricsService::sharedInstance()->trackAction("probe");
    const auto hit = metricsHits().back();
    EXPECT_EQ(hit.level1, "LEVEL2");
    EXPECT_EQ(hit.level2, "SUB2");
    EXPECT_EQ(hit.section, "Section2");
}

TEST_F(SlidingTabBarTest, AnItemWhoseButtonIsOffTakesNoTouch) {
    const auto items = makeItems(3);
    m_bar->setItems(items);
    items[1]->button()->setEnabled(false);
    EXPECT_FALSE(items[1]->respondsToTaps());
    EXPECT_FALSE(platform::ui::ScriptTargets::tap(*items[1]->m_titleLabel, "Tab 1"));
    EXPECT_TRUE(items[0]->isHighlighted());
    EXPECT_TRUE(m_listener->selected.empty());
}

TEST_F(SlidingTabBarTest, HighlightingQuietlyTellsNoOne) {
    const auto items = makeItems(5);
    m_bar->setItems(items);
    m_bar->setHighlightedItem(items[4]);
    EXPECT_FALSE(items[0]->isHighlighted());
    EXPECT_TRUE(items[4]->isHighlighted());
    EXPECT_TRUE(m_listener->selected.empty());
    EXPECT_TRUE(metricsHits().empty());
}

TEST_F(SlidingTabBarTest, CenteringOnAnItemStaysWithinTheStrip) {
    const auto items = makeItems(11);
    m_bar->setItems(items);
    // The item's place in the second half of a doubled strip lies past this strip's end: the strip stops there.
    m_bar->centerTabBarOnItem(*items[0], false);
    EXPECT_EQ(m_bar->m_scrollView->contentOffset().x, 538.0);
    EXPECT_EQ(arrows(), (std::array<bool, 4>{true, true, false, false}));

    const auto few = makeItems(3);
    m_bar->setItems(few);
    m_bar->centerTabBarOnItem(*few[2], false);
    EXPECT_EQ(m_bar->m_scrollView->contentOffset().x, 0.0);
}

TEST_F(SlidingTabBarTest, SwappedSlotsTradePlacesAndKeepTheirOwnTabs) {
    const auto items = makeItems(4);
    m_bar->setItems(items);
    m_bar->swapItemFromIndex(0, 3);
    EXPECT_EQ(m_bar->slots().front(), items[3]);
    EXPECT_EQ(m_bar->slots().back(), items[0]);
    EXPECT_EQ(items[3]->frame().x(), 0.0);
    EXPECT_EQ(items[0]->frame().x(), 234.0);
    EXPECT_TRUE(platform::ui::ScriptTargets::tap(*items[3]->m_titleLabel, "Tab 3"));
    EXPECT_EQ(m_listener->selected, (std::vector<int>{4}));

    m_bar->swapItemFromIndex(1, 4);  // past the slots
    EXPECT_EQ(m_bar->slots()[1], items[1]);
    EXPECT_EQ(items[1]->frame().x(), 78.0);
}

TEST_F(SlidingTabBarTest, ResettingASingleRunOfSlotsMovesNothing) {
    const auto items = makeItems(5);
    m_bar->setItems(items);
    EXPECT_EQ(m_bar->itemRange().location, 0u);
    EXPECT_EQ(m_bar->itemRange().length, 5u);
    m_bar->resetSlots();
    EXPECT_EQ(m_bar->itemRange().location, 5u);
    EXPECT_EQ(m_bar->slots(), items);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(items[i]->frame(), platform::ui::Rect(78.0 * i, 0, 78, 49));
    }
}

}  // namespace
}  // namespace qov
