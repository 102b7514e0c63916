#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "tests/app/core/datasource/DatasourceFixture.h"

// The weather of a location: aggregate, location-only fallback, marine follow-up, and the service's faults.
namespace qov {
namespace {

using DS2JSONDatasourceLocationTest = qovtest::DatasourceFixture;

std::vector<std::string> paths(const std::vector<qovsim::SimRequest>& requests) {
    std::vector<std::string> result;
    for (const auto& request : requests) {
        result.push_back(request.path);
    }
    return result;
}

TEST_F(DS2JSONDatasourceLocationTest, InlandAggregateIsStoredWithoutMarineRequest) {
    client().requestLocation(QOVLocationIdentity(1, "USGA0028"));
    ASSERT_TRUE(waitUntilIdle());

    ASSERT_EQ(cache().locations.size(), 1u);
    EXPECT_EQ(cache().locations[0]->identifierAsString(), "USGA0028:1");
    EXPECT_FALSE(cache().locations[0]->hasBeachAndBoatForecast());
    const auto log = requests();
    ASSERT_EQ(paths(log), std::vector<std::string>{"/wxdata/mobile/mobagg/USGA0028:1.js"});
    EXPECT_EQ(log[0].queryValue("locale"), "en_US");
    EXPECT_EQ(log[0].queryValue("key"), apiKey());
    EXPECT_EQ(networkErrorCount(), 0);
}

TEST_F(DS2JSONDatasourceLocationTest, CoastalAggregateIsStoredOnceWithItsMarineForecast) {
    client().requestLocation(QOVLocationIdentity(1, "USNY0996"));
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_EQ(paths(requests()),
              (std::vector<std::string>{"/wxdata/mobile/mobagg/USNY0996:1.js", "/wxdata/marine/USNY0996:1.js"}));
    ASSERT_EQ(cache().locations.size(), 1u);
    EXPECT_TRUE(cache().locations[0]->hasBeachAndBoatForecast());
}

TEST_F(DS2JSONDatasourceLocationTest, UnusableAggregateFallsBackToTheLocationRecord) {
    addFault(qovsim::Fault{.pathPattern = "/wxdata/mobile/mobagg/*", .malformBody = true});
    client().requestLocation(QOVLocationIdentity(1, "USGA0028"));
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_EQ(paths(requests()),
              (std::vector<std::string>{"/wxdata/mobile/mobagg/USGA0028:1.js", "/wxdata/loc/USGA0028:1.js"}));
    ASSERT_EQ(cache().locations.size(), 1u);
    EXPECT_EQ(cache().locations[0]->name(), "Atlanta, GA");
    EXPECT_EQ(networkErrorCount(), 0);
}

TEST_F(DS2JSONDatasourceLocationTest, UnknownLocationStoresNothing) {
    client().requestLocation(QOVLocationIdentity(1, "XXXX0000"));
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_EQ(paths(requests()),
              (std::vector<std::string>{"/wxdata/mobile/mobagg/XXXX0000:1.js", "/wxdata/loc/XXXX0000:1.js"}));
    EXPECT_TRUE(cache().locations.empty());
}

TEST_F(DS2JSONDatasourceLocationTest, FailedMarineRequestStoresTheLocationAndReportsTheNetwork) {
    addFault(qovsim::Fault{.pathPattern = "/wxdata/marine/*", .status = 500});
    client().requestLocation(QOVLocationIdentity(1, "USNY0996"));
    ASSERT_TRUE(waitUntilIdle());

    ASSERT_EQ(cache().locations.size(), 1u);
    EXPECT_FALSE(cache().locations[0]->hasBeachAndBoatForecast());
    EXPECT_EQ(networkErrorCount(), 1);
}

TEST_F(DS2JSONDatasourceLocationTest, UnusableMarineAnswerKeepsTheAggregate) {
    addFault(qovsim::Fault{.pathPattern = "/wxdata/marine/*", .truncateBody = true});
    client().requestLocation(QOVLocationIdentity(1, "USNY0996"));
    ASSERT_TRUE(waitUntilIdle());

    // No location-only request replaces the aggregate.
    EXPECT_EQ(requests().size(), 2u);
    ASSERT_EQ(cache().locations.size(), 1u);
    EXPECT_FALSE(cache().locations[0]->hasBeachAndBoatForecast());
    EXPECT_FALSE(cache().locations[0]->hourlyForecasts().value_or(QOVLocation::HourlyList{}).empty());
    EXPECT_EQ(networkErrorCount(), 0);
}

TEST_F(DS2JSONDatasourceLocationTest, ServerFaultsOnTheAggregateReportTheNetworkAndStoreNothing) {
    client().setTimeOutSeconds(0.3);
    for (const qovsim::Fault& injected : {qovsim::Fault{.pathPattern = "*", .status = 500},
                                          qovsim::Fault{.pathPattern = "*", .dropConnection = true},
                                          qovsim::Fault{.pathPattern = "*", .delaySeconds = 3.0}}) {
        SCOPED_TRACE(injected.toJson().dump());
        sim().faults().clear();
        addFault(injected);
        const int errorsBefore = networkErrorCount();
        client().requestLocation(QOVLocationIdentity(1, "USGA0028"));
        ASSERT_TRUE(waitUntilIdle());
        EXPECT_EQ(networkErrorCount(), errorsBefore + 1);
        EXPECT_TRUE(cache().locations.empty());
    }
}

TEST_F(DS2JSONDatasourceLocationTest, LocationOnlyFailureOnlyLogs) {
    addFault(qovsim::Fault{.pathPattern = "/wxdata/loc/*", .status = 503});
    client().requestLocationDataOnly("USGA0028:1");
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_TRUE(cache().locations.empty());
    EXPECT_EQ(networkErrorCount(), 0);
}

}  // namespace
}  // namespace qov
