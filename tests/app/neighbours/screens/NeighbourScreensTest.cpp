#include "app/neighbours/screens/NeighbourScreens.h"

#include <gtest/gtest.h>

#include "app/neighbours/screens/ComposeTweetViewController.h"
#include "app/neighbours/screens/InSeasonViewController.h"
#include "app/shell/tabbar/SlidingTabBarItem.h"
#include "platform/ui/Button.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/Label.h"
#include "tests/app/shell/ShellFixture.h"

namespace qov {
namespace {

using platform::ui::ClassRegistry;

class NeighbourScreensTest : public qovtest::ShellFixture {
protected:
    NeighbourScreensTest() { registerNeighbourScreens(); }
};

TEST_F(NeighbourScreensTest, TabScreensRegisterTheirItemsByClassName) {
    struct Case {
        const char* className;
        const char* itemName;
        const char* title;
        const char* image;
        const char* contentType;
        const char* level1;
        const char* level2;
        bool usOnly;
    };
    const Case cases[] = {
        {"ImageryViewController", "imagery", "Imagery", "tabbar-icon-imagery.png", "Imagery", "IMAGERY", "", true},
        {"SevereViewController", "severe", "Severe", "tabbar-icon-severe.png", "Severe", "SEVERE", "", true},
        {"VideoViewController", "video", "Video", "tabbar-icon-video.png", "Video", "VIDEO", "", false},
        {"SwaggerViewController", "social", "Social", "tabbar-icon-swagger.png", "Social_Weather", "SOCIALWX", "NEARBY",
         true},
        {"ZavioNavigationController", "zavio", "Photos", "tabbar-icon-zavio.png", "Zavio", "UGC", "", true},
        {"InSeasonViewController", "inseason", "In Season", "tabbar-icon-inseason.png", "InSeason", "INSEASON", "",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.className);
        const auto screen = ClassRegistry::create<QOVViewController>(c.className);
        ASSERT_NE(screen, nullptr);
        const auto& item = screen->slidingTabBarItem();
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->itemName(), c.itemName);
        EXPECT_EQ(item->title(), c.title);
        ASSERT_NE(item->image(), nullptr);
        EXPECT_EQ(item->image()->name(), c.image);
        EXPECT_EQ(item->contentType(), c.contentType);
        EXPECT_EQ(item->level1Beacon(), c.level1);
        EXPECT_EQ(item->level2Beacon(), c.level2);
        EXPECT_EQ(screen->isUSOnly(), c.usOnly);
        EXPECT_TRUE(screen->pageName().has_value());

        const auto view = screen->view();
        EXPECT_EQ(view->backgroundColor(), platform::gfx::Color::black());
        ASSERT_EQ(view->subviews().size(), 1u);
        EXPECT_EQ(view->subviews()[0]->text(), c.title);
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
