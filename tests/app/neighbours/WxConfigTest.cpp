#include "app/neighbours/WxConfig.h"

#include <gtest/gtest.h>

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/CacheLocationSource.h"
#include "app/core/model/QOVLocation.h"
#include "tests/support/ManualClockFixture.h"

namespace qov {
namespace {

// A cache that holds one location and answers it from storage.
class OneLocationCache : public ApplicationCache {
public:
    explicit OneLocationCache(std::shared_ptr<QOVLocation> location)
        : ApplicationCache(nullptr), m_location(std::move(location)) {}
    std::shared_ptr<QOVLocation> cachedLocation(const QOVLocationIdentity& identity) override {
        return identity.isEqualToLocation(*m_location) ? m_location : nullptr;
    }

private:
    std::shared_ptr<QOVLocation> m_location;
};

class FixedCurrentLocation : public CacheLocationSource {
public:
    std::shared_ptr<QOVLocationIdentity> currentLocation() override {
        return std::make_shared<QOVLocationIdentity>(1, "USGA0028");
    }
    bool favoritesContainsLocation(const QOVLocationIdentity&) override { return false; }
};

class WxConfigTest : public qovtest::ManualClockFixture {};

TEST_F(WxConfigTest, FollowsTheCurrentLocationFromItsCreation) {
    auto location = std::make_shared<QOVLocation>();
    location->setType(1);
    location->setKey("USGA0028");
    auto cache = std::make_shared<OneLocationCache>(location);
    auto source = std::make_shared<FixedCurrentLocation>();
    cache->setLocationSource(source);

    const auto config = WxConfig::create(cache);
    EXPECT_EQ(config->currentLocation(), nullptr);
    loop().runUntilIdle();  // the cache enters listeners on a later turn
    EXPECT_EQ(config->currentLocation(), location);

    auto fresher = std::make_shared<QOVLocation>();
    fresher->setType(1);
    fresher->setKey("USGA0028");
    cache->notifyDelegatesForLocation(fresher);
    EXPECT_EQ(config->currentLocation(), fresher);
}

}  // namespace
}  // namespace qov
