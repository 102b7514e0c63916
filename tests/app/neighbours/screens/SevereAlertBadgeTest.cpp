#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/cache/MemoryApplicationCache.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVSevereWeather.h"
#include "app/neighbours/screens/NeighbourScreens.h"
#include "app/ui/base/QOVViewController.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "platform/ui/ClassRegistry.h"
#include "tests/support/app/ShellFixture.h"

namespace qov {
namespace {

// The Severe tab's item over a cache in memory that follows the location manager's current location.
class SevereAlertBadgeTest : public qovtest::ShellFixture {
protected:
    SevereAlertBadgeTest() {
        registerNeighbourScreens();
        QOVLocationManager::resetSharedManager();
        m_cache->setLocationSource(QOVLocationManager::sharedManager());
        ApplicationCacheFactory::sharedInstance().setCache(m_cache);
    }
    ~SevereAlertBadgeTest() override {
        ApplicationCacheFactory::sharedInstance().setCache(nullptr);
        QOVLocationManager::resetSharedManager();
    }

    // Stores the place's weather with that many alerts.
    void storeWeather(const std::string& key, std::size_t alerts) {
        auto location = std::make_shared<QOVLocation>();
        location->setType(1);
        location->setKey(key);
        location->setSevereWeatherAlerts(QOVLocation::SevereWeatherList(alerts, std::make_shared<QOVSevereWeather>()));
        m_cache->storeLocation(location);
    }
    void makeCurrent(const std::string& key) {
        QOVLocationManager::sharedManager()->setCurrentLocation(std::make_shared<QOVLocationIdentity>(1, key));
        loop().runUntilIdle();
    }

    std::shared_ptr<MemoryApplicationCache> m_cache = std::make_shared<MemoryApplicationCache>(nullptr);
};

TEST_F(SevereAlertBadgeTest, TheBadgeShowsTheCurrentPlacesAlertCountAndFollowsItsChanges) {
    storeWeather("USMA0046", 2);
    storeWeather("USGA0028", 0);
    makeCurrent("USMA0046");
    const auto screen = platform::ui::ClassRegistry::create<QOVViewController>("SevereViewController");
    ASSERT_NE(screen, nullptr);
    const auto item = screen->slidingTabBarItem();
    EXPECT_TRUE(item->isBadgeHidden()) << "nothing is known before the cache answers";
    loop().runUntilIdle();
    EXPECT_FALSE(item->isBadgeHidden());
    EXPECT_FALSE(item->m_badgeLabel->isHidden());
    EXPECT_EQ(item->m_badgeLabel->text(), "2");

    makeCurrent("USGA0028");
    EXPECT_TRUE(item->isBadgeHidden());
    EXPECT_TRUE(item->m_badgeLabel->isHidden());

    storeWeather("USGA0028", 1);  // fresh weather of the same place brings an alert
    EXPECT_FALSE(item->isBadgeHidden());
    EXPECT_EQ(item->m_badgeLabel->text(), "1");
}

TEST_F(SevereAlertBadgeTest, AScreenReleasedStopsListening) {
    storeWeather("USMA0046", 1);
    makeCurrent("USMA0046");
    auto screen = platform::ui::ClassRegistry::create<QOVViewController>("SevereViewController");
    const auto item = screen->slidingTabBarItem();
    loop().runUntilIdle();
    screen.reset();
    storeWeather("USMA0046", 3);
    EXPECT_EQ(item->m_badgeLabel->text(), "1");
}

}  // namespace
}  // namespace qov
