#include <gtest/gtest.h>

#include <algorithm>

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/Callback.h"
#include "tests/app/core/datasource/DatasourceFixture.h"
#include "tests/support/PumpUntil.h"

// Duplicate suppression and cancelling over the client's queue.
namespace qov {
namespace {

using DS2JSONDatasourceQueueTest = qovtest::DatasourceFixture;

std::size_t countPath(const std::vector<qovsim::SimRequest>& requests, const std::string& path) {
    return static_cast<std::size_t>(
        std::count_if(requests.begin(), requests.end(), [&](const auto& request) { return request.path == path; }));
}

TEST_F(DS2JSONDatasourceQueueTest, SecondRequestWhileTheFirstIsUnfinishedSendsNothingAndTypeZeroNever) {
    addFault(fault("/wxdata/mobile/mobagg/*", 0.3));
    client().requestLocation(QOVLocationIdentity(0, "USGA0028"));
    EXPECT_EQ(client().queue().operationCount(), 0u);
    const QOVLocationIdentity atlanta(1, "USGA0028");
    client().requestLocation(atlanta);
    EXPECT_FALSE(client().okToRequestLocation(atlanta));
    client().requestLocation(QOVLocationIdentity(1, "USGA0028", "Home"));
    EXPECT_EQ(client().queue().operationCount(), 1u);
    // Another location is not held up.
    client().requestLocation(QOVLocationIdentity(1, "USNY0996"));
    EXPECT_EQ(client().queue().operationCount(), 2u);
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_EQ(countPath(requests(), "/wxdata/mobile/mobagg/USGA0028:1.js"), 1u);
    EXPECT_EQ(countPath(requests(), "/wxdata/mobile/mobagg/USGA0028:0.js"), 0u);
    EXPECT_TRUE(client().okToRequestLocation(atlanta));
}

TEST_F(DS2JSONDatasourceQueueTest, CancelledButUnfinishedRequestStillBlocksAndReportsNothing) {
    addFault(fault("/wxdata/mobile/mobagg/*", 0.5));
    const QOVLocationIdentity atlanta(1, "USGA0028");
    client().requestLocation(atlanta);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return requests().size() == 1; }));
    client().cancelRequestForLocation(atlanta);
    // Its completion has not run yet: it still counts.
    EXPECT_FALSE(client().okToRequestLocation(atlanta));
    client().requestLocation(atlanta);
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_EQ(requests().size(), 1u);
    EXPECT_TRUE(cache().locations.empty());
    EXPECT_EQ(networkErrorCount(), 0);
}

TEST_F(DS2JSONDatasourceQueueTest, MarineRequestDoesNotBlockANewAggregate) {
    addFault(fault("/wxdata/marine/*", 0.5));
    const QOVLocationIdentity newYork(1, "USNY0996");
    client().requestLocation(newYork);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return countPath(requests(), "/wxdata/marine/USNY0996:1.js") == 1; }));
    EXPECT_TRUE(client().okToRequestLocation(newYork));
    client().requestLocation(newYork);
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(countPath(requests(), "/wxdata/mobile/mobagg/USNY0996:1.js"), 2u);
    EXPECT_EQ(cache().locations.size(), 2u);
}

TEST_F(DS2JSONDatasourceQueueTest, CancellingALocationAlsoCancelsItsMarineRequest) {
    addFault(fault("/wxdata/marine/*", 2.0));
    const QOVLocationIdentity newYork(1, "USNY0996");
    client().requestLocation(newYork);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return countPath(requests(), "/wxdata/marine/USNY0996:1.js") == 1; }));
    client().cancelRequestForLocation(QOVLocationIdentity(1, "USGA0028"));  // another location: no effect
    EXPECT_EQ(client().queue().operationCount(), 1u);
    client().cancelRequestForLocation(newYork);
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_TRUE(cache().locations.empty());
    EXPECT_EQ(networkErrorCount(), 0);
}

TEST_F(DS2JSONDatasourceQueueTest, CancellingAllLocationsLeavesOtherRequests) {
    addFault(fault("*", 0.3));
    client().requestLocation(QOVLocationIdentity(1, "USGA0028"));
    client().requestLocationDataOnly("USNY0996:1");
    client().requestLocationForZip("30303", callback(), false);
    client().cancelRequestsForAllLocations();
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_TRUE(cache().locations.empty());
    ASSERT_EQ(answers().size(), 1u);
    EXPECT_NE(answers()[0].object<QOVLocation>(), nullptr);
}

TEST_F(DS2JSONDatasourceQueueTest, ConfigurationRequestsAreFoundByTheirApplicationId) {
    addFault(fault("*", 0.3));
    client().requestConfigurationForApplicationId("app.one", 60.0);
    client().requestConfigurationForApplicationId("app.two", 60.0);
    EXPECT_FALSE(client().okToRequestConfiguration("app.one"));
    EXPECT_TRUE(client().okToRequestConfiguration("app.three"));
    client().cancelRequestForConfiguration("app.one");
    EXPECT_TRUE(client().queue().operations()[0]->isCancelled());
    EXPECT_FALSE(client().queue().operations()[1]->isCancelled());
    client().cancelRequestsForAllConfigurations();
    EXPECT_TRUE(client().queue().operations()[1]->isCancelled());
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_TRUE(cache().configurations.empty());
}

TEST_F(DS2JSONDatasourceQueueTest, CancelledSearchesAnswerNilOnlyWhereTheirFailureDoes) {
    addFault(fault("*", 0.5));
    client().requestLocationForZip("30303", callback(), false);             // answers nil
    client().currentTropicalStormDataWithCallbackObject(callback());        // answers nil
    client().requestRSSNewsFeedWithCallbackObject(callback());              // answers nil
    client().requestLocationForCoordinates({33.749, -84.388}, callback());  // answers nil
    client().requestTypeAheadWithSearchString("Atlanta", 10, callback());   // no answer
    client().requestTweetsByDMA("524", callback(), std::nullopt);           // no answer
    client().cancelRequestsContainingKey(QOVDatasouce::kTargetKey);
    ASSERT_TRUE(waitUntilIdle());

    ASSERT_EQ(answers().size(), 4u);
    for (const auto& answer : answers()) {
        EXPECT_TRUE(answer.isNull());
    }
    EXPECT_EQ(networkErrorCount(), 0);
}

TEST_F(DS2JSONDatasourceQueueTest, CancelAllRequestsEmptiesTheQueue) {
    addFault(fault("*", 0.5));
    client().requestLocation(QOVLocationIdentity(1, "USGA0028"));
    client().requestPointsOfInterestForType(1, "0231", {{"kPOIQuadKeyKey", "0231"}});
    client().flagTweet("42");
    client().cancelAllRequests();
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_TRUE(cache().locations.empty());
    EXPECT_TRUE(cache().poiLists.empty());
}

TEST_F(DS2JSONDatasourceQueueTest, ClientGoneBeforeTheAnswerStoresNothing) {
    addFault(fault("*", 0.3));
    {
        auto shortLived = std::make_shared<DS2JSONDatasource>();
        shortLived->setDataServiceHosts(simUrl().substr(7), "");
        shortLived->setCacheProvider([cache = cachePointer()] { return cache; });
        shortLived->requestLocation(QOVLocationIdentity(1, "USGA0028"));
    }
    EXPECT_FALSE(qovtest::pumpUntil([this] { return !cache().locations.empty(); }, 0.6));
}

}  // namespace
}  // namespace qov
