#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/shell/tabbar/SlidingTabBar.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/TouchPanel.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace {

// The root screen's tabs as a user meets them: a script's tap on a tab's title, a finger on any part of a tab.
class TabTitleTapTest : public qovtest::ApplicationWorld {
protected:
    void SetUp() override {
        master = launchToRootScreen();
        ASSERT_NE(master, nullptr);
        ASSERT_EQ(shown(), "weather");
    }
    std::string shown() const {
        const auto& screen = master->shownViewController();
        return screen && screen->slidingTabBarItem() ? screen->slidingTabBarItem()->itemName() : "(none)";
    }
    std::shared_ptr<qov::SlidingTabBarItem> item(const std::string& name) const {
        for (const auto& each : master->tabBar()->items()) {
            if (each->itemName() == name) {
                return each;
            }
        }
        return nullptr;
    }

    std::shared_ptr<qov::QOVMasterViewController> master;
};

TEST_F(TabTitleTapTest, AScriptsTapOnATabsTitleShowsItsScreen) {
    std::ostringstream output;
    platform::ui::ScreenScript script(output);
    script.execute("tap Settings");
    EXPECT_EQ(script.failures(), 0) << output.str();
    EXPECT_EQ(shown(), "settings");
    const auto settings = item("settings");
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isHighlighted());
}

TEST_F(TabTitleTapTest, AFingerAnywhereOnATabShowsItsScreen) {
    struct Touch {
        const char* tab;
        const char* where;
        platform::ui::Point inItem;  // a tab is 78 x 49: its picture at (24, 3, 30, 30), its title at (0, 34, 78, 13)
    };
    const Touch touches[] = {{"maps", "the title", {39, 40}},
                             {"settings", "the title's end, beside its text", {74, 45}},
                             {"weather", "the edge beside the picture", {6, 12}},
                             {"maps", "the picture", {39, 18}}};
    for (const auto& touch : touches) {
        SCOPED_TRACE(std::string(touch.tab) + ", " + touch.where);
        const auto tab = item(touch.tab);
        ASSERT_NE(tab, nullptr);
        const auto frame = tab->frameInWindow();
        EXPECT_EQ(platform::ui::TouchPanel::tap({frame.x() + touch.inItem.x, frame.y() + touch.inItem.y}),
                  std::nullopt);
        EXPECT_EQ(shown(), touch.tab);
    }
}

}  // namespace
