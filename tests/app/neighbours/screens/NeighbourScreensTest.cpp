#include "app/neighbours/screens/NeighbourScreens.h"

#include <gtest/gtest.h>

#include "app/neighbours/screens/ComposeTweetViewController.h"
#include "app/neighbours/screens/InSeasonViewController.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/Label.h"
#include "tests/support/app/ShellFixture.h"

namespace qov {
namespace {

using platform::ui::ClassRegistry;

class NeighbourScreensTest : public qovtest::ShellFixture {
protected:
    NeighbourScreensTest() { registerNeighbourScreens(); }
};

// Which tabs show where, and under which names, is the root screen's test; here each placeholder is made by its
// class name, has its tab's icon and shows its title.
TEST_F(NeighbourScreensTest, TabScreensAreMadeByClassNameWithAnIconAndShowTheirTitle) {
    const std::pair<const char*, const char*> screens[] = {
        {"ImageryViewController", "Imagery"},    {"SevereViewController", "Severe"},
        {"VideoViewController", "Video"},        {"SwaggerViewController", "Social"},
        {"ZavioNavigationController", "Photos"}, {"InSeasonViewController", "In Season"}};
    for (const auto& [className, title] : screens) {
        SCOPED_TRACE(className);
        const auto screen = ClassRegistry::create<QOVViewController>(className);
        ASSERT_NE(screen, nullptr);
        ASSERT_NE(screen->slidingTabBarItem(), nullptr);
        EXPECT_NE(screen->slidingTabBarItem()->image(), nullptr);
        EXPECT_EQ(screen->slidingTabBarItem()->title(), title);
        EXPECT_TRUE(screen->pageName().has_value());
        const auto view = screen->view();
        ASSERT_EQ(view->subviews().size(), 1u);
        EXPECT_EQ(view->subviews()[0]->text(), title);
    }
}

TEST_F(NeighbourScreensTest, InSeasonKeepsItsOwnIconWhenTheSettingsNameOneFromOutside) {
    QOVSettingsService::sharedInstance()->setInseasonIcon("https://www.example.com/inseason/icon.png");
    EXPECT_EQ(InSeasonViewController::initWithStandardValues()->slidingTabBarItem()->image()->name(),
              "tabbar-icon-inseason.png");
    QOVSettingsService::sharedInstance()->setInseasonIcon("tabbar-icon-video.png");
    EXPECT_EQ(InSeasonViewController::initWithStandardValues()->slidingTabBarItem()->image()->name(),
              "tabbar-icon-video.png");
}

class CancellingDelegate : public ComposeTweetDelegate {
public:
    void cancelTweetComposition() override { ++cancels; }
    int cancels = 0;
};

TEST_F(NeighbourScreensTest, CancellingATweetTellsTheDelegate) {
    const auto composer = ClassRegistry::create<ComposeTweetViewController>("ComposeTweetViewController");
    ASSERT_NE(composer, nullptr);
    const auto delegate = std::make_shared<CancellingDelegate>();
    composer->setComposeTweetDelegate(delegate);
    EXPECT_TRUE(composer->view()->subviews().back()->tapText("Cancel"));
    EXPECT_EQ(delegate->cancels, 1);
    EXPECT_NE(ClassRegistry::create<QOVViewController>("ContactsViewController"), nullptr);
}

}  // namespace
}  // namespace qov
