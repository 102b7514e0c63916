#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/error/QOVError.h"
#include "app/neighbours/QOVAdView.h"
#include "app/shell/errorbar/ErrorBar.h"
#include "platform/base/NotificationCenter.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/PopupRegistry.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace {

using qov::QOVMasterViewController;

class RootBarsTest : public qovtest::ApplicationWorld {
protected:
    void SetUp() override {
        master = launchToRootScreen();
        ASSERT_NE(master, nullptr);
        for (const char* name :
             {QOVMasterViewController::kTabBarHiddenNotification, QOVMasterViewController::kTabBarRevealedNotification,
              QOVMasterViewController::kLocationBarHiddenNotification,
              QOVMasterViewController::kLocationBarRevealedNotification,
              QOVMasterViewController::kAdViewHiddenNotification, QOVMasterViewController::kAdViewRevealedNotification,
              QOVMasterViewController::kErrorBarHiddenNotification,
              QOVMasterViewController::kErrorBarRevealedNotification,
              QOVMasterViewController::kContentViewFullscreenNotification,
              QOVMasterViewController::kContentViewReturnedNotification}) {
            platform::NotificationCenter::defaultCenter().addObserver(
                this, name, [this](const platform::Notification& note) { posted.push_back(note.name); });
        }
    }
    platform::ui::Rect content() const { return master->m_contentView->frame(); }

    std::shared_ptr<QOVMasterViewController> master;
    std::vector<std::string> posted;
};

TEST_F(RootBarsTest, TheAdSlotIsHiddenFromTheFirstScreenOn) {
    EXPECT_TRUE(master->isAdViewHidden());
    EXPECT_FALSE(master->isLocationBarHidden());
    EXPECT_TRUE(master->isErrorBarHidden());
    // Location bar at the top, the content under it down to the tab strip.
    EXPECT_EQ(master->m_locationBarView->frame().y(), 0.0);
    EXPECT_EQ(content(), platform::ui::Rect(0.0, 44.0, 320.0, 367.0));
}

// Where the content and the bars are after a movement: the location bar's frame while it shows, the tab strip's
// (off the foot of the screen when hidden).
struct Movement {
    const char* name;
    std::function<void(QOVMasterViewController&)> move;
    const char* notification;
    platform::ui::Rect content;
    std::optional<platform::ui::Rect> locationBar;
    platform::ui::Rect tabBar;
};

TEST_F(RootBarsTest, EachMovementPlacesTheContentAndTheBarsAndPostsItsNotification) {
    const Movement movements[] = {
        {"hide tab bar",
         [](auto& m) { m.hideTabBar(true); },
         QOVMasterViewController::kTabBarHiddenNotification,
         {0, 44, 320, 416},
         platform::ui::Rect{0, 0, 320, 44},
         {0, 460, 320, 49}},
        {"show tab bar",
         [](auto& m) { m.showTabBar(false); },
         QOVMasterViewController::kTabBarRevealedNotification,
         {0, 44, 320, 367},
         platform::ui::Rect{0, 0, 320, 44},
         {0, 411, 320, 49}},
        {"hide location bar",
         [](auto& m) { m.hideLocationBar(true); },
         QOVMasterViewController::kLocationBarHiddenNotification,
         {0, 0, 320, 411},
         std::nullopt,
         {0, 411, 320, 49}},
        {"show location bar",
         [](auto& m) { m.showLocationBar(true); },
         QOVMasterViewController::kLocationBarRevealedNotification,
         {0, 44, 320, 367},
         platform::ui::Rect{0, 0, 320, 44},
         {0, 411, 320, 49}},
        {"show ad",
         [](auto& m) { m.showAdView(true); },
         QOVMasterViewController::kAdViewRevealedNotification,
         {0, 94, 320, 317},
         platform::ui::Rect{0, 50, 320, 44},
         {0, 411, 320, 49}},
        {"hide ad",
         [](auto& m) { m.hideAdView(true); },
         QOVMasterViewController::kAdViewHiddenNotification,
         {0, 44, 320, 367},
         platform::ui::Rect{0, 0, 320, 44},
         {0, 411, 320, 49}},
        {"full screen",
         [](auto& m) { m.toggleFullScreenContent(true); },
         QOVMasterViewController::kContentViewFullscreenNotification,
         {0, 0, 320, 460},
         std::nullopt,
         {0, 460, 320, 49}},
        {"back from full screen",
         [](auto& m) { m.toggleFullScreenContent(true); },
         QOVMasterViewController::kContentViewReturnedNotification,
         {0, 44, 320, 367},
         platform::ui::Rect{0, 0, 320, 44},
         {0, 411, 320, 49}},
    };
    for (const auto& movement : movements) {
        posted.clear();
        movement.move(*master);
        ASSERT_FALSE(posted.empty()) << movement.name;
        EXPECT_EQ(posted.back(), movement.notification) << movement.name;
        EXPECT_EQ(content(), movement.content) << movement.name;
        const auto& locationBar = *master->m_locationBarView;
        EXPECT_EQ(locationBar.isHidden() ? std::nullopt : std::optional(locationBar.frame()), movement.locationBar)
            << movement.name;
        EXPECT_EQ(master->m_slidingBarView->frame(), movement.tabBar) << movement.name;
    }
    // Moving a bar to the state it is in does nothing.
    posted.clear();
    master->showTabBar(true);
    master->hideErrorBar(true);
    EXPECT_TRUE(posted.empty());
}

TEST_F(RootBarsTest, ARevealedErrorBarHidesAfterItsLifeAndEachRevealStartsItAfresh) {
    const double shownY = master->m_errorBarView->frame().y() + master->m_errorBarView->frame().height();
    master->displayErrorMessage("One");
    EXPECT_EQ(master->m_errorBarView->frame().y(), shownY);
    advance(2.0);
    master->hideErrorBar(false);
    master->displayErrorMessage("Two");
    advance(2.0);
    EXPECT_FALSE(master->isErrorBarHidden()) << "the first reveal's timer no longer runs";
    advance(1.0);
    EXPECT_TRUE(master->isErrorBarHidden());

    master->setErrorBarLife(0.0);
    master->displayErrorMessage("Stays");
    advance(60.0);
    EXPECT_FALSE(master->isErrorBarHidden());
}

TEST_F(RootBarsTest, ErrorsOfEachCategoryBecomeNoticesThatClearTheirOwnCategory) {
    std::vector<std::int32_t> cleared;
    platform::NotificationCenter::defaultCenter().addObserver(
        &cleared, qov::QOVError::kClearedNotification, [&cleared](const platform::Notification& note) {
            cleared.push_back(
                platform::valueForKey(note.userInfo, qov::QOVError::kErrorKey)->object<qov::QOVError>()->category());
        });
    qov::QOVError::fireErrorWithCategory(0, 1, "error.network.connectionfailed", nullptr);
    qov::QOVError::fireErrorWithCategory(1, 1, "error.no.data.returned", nullptr);
    auto& popups = platform::ui::PopupRegistry::shared();
    ASSERT_EQ(popups.visible().size(), 2u);
    EXPECT_EQ(popups.visible()[0]->title(), "Notice");
    EXPECT_EQ(std::static_pointer_cast<platform::ui::AlertView>(popups.visible()[1])->message(),
              "No weather data was returned for this location.");

    popups.visible()[1]->clickButtonAtIndex(0);
    popups.visible()[0]->clickButtonAtIndex(0);
    EXPECT_EQ(cleared, (std::vector<std::int32_t>{1, 0}));
    platform::NotificationCenter::defaultCenter().removeObserver(&cleared);
}

TEST_F(RootBarsTest, MailThatCannotBeSentIsToldInTheErrorBarWithoutAComposer) {
    master->createEmailWithMessage("Sunny", "Weather", {"a@example.com"}, false);
    EXPECT_EQ(master->errorBar()->message(), "This device cannot send email.");
    EXPECT_EQ(master->modalViewController(), nullptr);
}

}  // namespace
