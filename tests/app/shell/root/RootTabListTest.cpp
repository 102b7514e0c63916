#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/model/QOVLocation.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/shell/errorbar/ErrorBar.h"
#include "app/shell/root/TabScreenList.h"
#include "app/shell/tabbar/SlidingTabBar.h"
#include "platform/storage/LocaleSource.h"
#include "platform/storage/UserDefaults.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace {

using qov::QOVMasterViewController;

std::shared_ptr<qov::QOVLocation> locationIn(const std::string& countryCode) {
    auto location = std::make_shared<qov::QOVLocation>();
    location->setCountryCode(countryCode);
    return location;
}

std::vector<std::string> tabNames(const QOVMasterViewController& master) {
    std::vector<std::string> names;
    for (const auto& screen : master.viewControllers()) {
        names.push_back(screen->slidingTabBarItem() ? screen->slidingTabBarItem()->itemName() : "?");
    }
    return names;
}

class RootTabListTest : public qovtest::ApplicationWorld {
protected:
    ~RootTabListTest() override { platform::LocaleSource::clearOverride(); }
    void setLocale(const std::string& locale, const std::string& language) {
        platform::LocaleSource::setOverride(locale, {language});
    }
};

const std::vector<std::string> kWorldTabs{"weather", "maps", "video", "settings"};
const std::vector<std::string> kUSTabs{"weather", "maps",  "imagery",  "severe",  "video",
                                       "social",  "zavio", "inseason", "settings"};

TEST_F(RootTabListTest, TheListFollowsTheSettingsAndTestMode) {
    using Conditions = qov::TabScreenList::Conditions;
    EXPECT_EQ(qov::TabScreenList::classNames(Conditions{true, 0, true}).size(), 11u);
    const auto allOff = qov::TabScreenList::classNames(Conditions{false, 1, false});
    EXPECT_EQ(allOff, (std::vector<std::string>{"WeatherViewController", "MapsViewController", "SevereViewController",
                                                "VideoViewController", "ZavioNavigationController",
                                                "InSeasonViewController", "SettingsNavigationController"}));
}

TEST_F(RootTabListTest, UsOnlyTabsNeedAUsLocationAndTheUsLocale) {
    setLocale("en_US", "en");
    const auto master = launchToRootScreen();
    ASSERT_NE(master, nullptr);
    EXPECT_EQ(tabNames(*master), kWorldTabs) << "no country before the first location";

    master->locationDataChanged(locationIn("US"));
    EXPECT_EQ(tabNames(*master), kUSTabs);
    EXPECT_EQ(master->tabBar()->items().size(), kUSTabs.size());

    master->locationDataChanged(locationIn("GB"));
    EXPECT_EQ(tabNames(*master), kWorldTabs);

    setLocale("fr_FR", "fr");
    master->locationDataChanged(locationIn("US"));
    EXPECT_EQ(tabNames(*master), kWorldTabs);
}

TEST_F(RootTabListTest, TestModeAddsTheTestTabs) {
    platform::UserDefaults::standard()->setBool(true, qov::QOVAppDelegate::kAppTestModeKey);
    const auto master = launchToRootScreen();
    const auto names = tabNames(*master);
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(names[4], "debugsettings");
    EXPECT_EQ(names[5], "console");
    qov::QOVAppDelegate::currentAppDelegate()->setTestMode(false);
}

TEST_F(RootTabListTest, ARebuildKeepsTheShownScreenAndHighlightsItsItem) {
    setLocale("en_US", "en");
    const auto master = launchToRootScreen();
    master->locationDataChanged(locationIn("US"));
    master->displayViewControllerByName("video");
    const auto video = master->shownViewController();
    const auto hits = qov::QOVMetricsService::sharedInstance()->hits().size();

    master->locationDataChanged(locationIn("CA"));
    EXPECT_EQ(master->shownViewController(), video);
    EXPECT_EQ(master->tabBar()->highlightedItem()->itemName(), "video");
    EXPECT_EQ(qov::QOVMetricsService::sharedInstance()->hits().size(), hits) << "nothing reported again";
    EXPECT_TRUE(master->isErrorBarHidden());
}

TEST_F(RootTabListTest, AStripRebuiltWhileSettingsShowsShowsItsItem) {
    setLocale("en_US", "en");
    const auto master = launchToRootScreen();
    master->locationDataChanged(locationIn("US"));
    master->displayViewControllerByName("settings");
    for (const bool testMode : {true, false}) {
        SCOPED_TRACE(testMode ? "test mode on" : "test mode off");
        qov::QOVAppDelegate::currentAppDelegate()->setTestMode(testMode);
        master->rebuildTabBar();
        const auto& strip = *master->tabBar();
        const auto item = strip.highlightedItem();
        ASSERT_EQ(item->itemName(), "settings");
        const double left = strip.m_scrollView->contentOffset().x;
        EXPECT_GE(item->frame().x(), left);
        EXPECT_LE(item->frame().maxX(), left + strip.m_scrollView->frame().width());
    }
}

TEST_F(RootTabListTest, AUsOnlyScreenGivesWayToTheWeatherTabWithAMessage) {
    setLocale("en_US", "en");
    const auto master = launchToRootScreen();
    master->locationDataChanged(locationIn("US"));
    master->displayViewControllerByName("severe");
    ASSERT_EQ(master->shownViewController()->slidingTabBarItem()->itemName(), "severe");

    master->locationDataChanged(locationIn("DE"));
    EXPECT_EQ(master->shownViewController()->slidingTabBarItem()->itemName(), "weather");
    EXPECT_EQ(master->tabBar()->highlightedItem()->itemName(), "weather");
    EXPECT_FALSE(master->isErrorBarHidden());
    EXPECT_EQ(master->errorBar()->message(), "Re-directing to Weather Tab");
}

TEST_F(RootTabListTest, DisplayByNameLoadsTheScreenOnceAndIgnoresUnknownNames) {
    const auto master = launchToRootScreen();
    master->displayViewControllerByName("settings");
    const auto settings = master->shownViewController();
    EXPECT_EQ(settings->slidingTabBarItem()->itemName(), "settings");
    EXPECT_EQ(settings->view()->superview(), master->m_contentView);
    EXPECT_EQ(master->m_contentView->subviews().size(), 1u);

    master->displayViewControllerByName("social");
    EXPECT_EQ(master->shownViewController(), settings);
}

TEST_F(RootTabListTest, PressingTheShownTabKeepsItsScreenAndASocialSwitchRebuildsTheList) {
    setLocale("en_US", "en");
    const auto master = launchToRootScreen();
    master->locationDataChanged(locationIn("US"));
    const auto weather = master->shownViewController();
    master->tabBar()->setSelectedItem(master->tabBar()->items().front());
    EXPECT_EQ(master->shownViewController(), weather);
    EXPECT_EQ(weather->appearanceState(), platform::ui::AppearanceState::Appeared);

    qov::QOVSettingsService::sharedInstance()->setSwaggerStatus(qov::QOVSettingsService::kSwaggerStatusAllOff);
    const auto names = tabNames(*master);
    EXPECT_EQ(std::find(names.begin(), names.end(), "social"), names.end());
    EXPECT_EQ(master->shownViewController(), weather);
}

}  // namespace
