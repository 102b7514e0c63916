#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "app/core/cache/FileSystemApplicationCache.h"
#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/Bundle.h"
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
    EXPECT_EQ(paths(requests()), std::vector<std::string>{"/wxdata/mobile/mobagg/USGA0028:1.js"});
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

TEST_F(DS2JSONDatasourceLocationTest, UnusableAggregateFallsBackToTheLocationRecordOverNoWeather) {
    auto barePlace = std::make_shared<QOVLocation>();
    barePlace->setType(1);
    barePlace->setKey("USGA0028");
    for (const bool truncated : {true, false}) {
        SCOPED_TRACE(truncated ? "truncated" : "malformed");
        addFault(qovsim::Fault{
            .pathPattern = "/wxdata/mobile/mobagg/*", .truncateBody = truncated, .malformBody = !truncated});
        for (const auto& cached : {std::shared_ptr<QOVLocation>(), barePlace}) {
            cache().cached["USGA0028:1"] = cached;
            cache().locations.clear();
            sim().clearRequestLog();
            client().requestLocation(QOVLocationIdentity(1, "USGA0028"));
            ASSERT_TRUE(waitUntilIdle());
            EXPECT_EQ(paths(requests()),
                      (std::vector<std::string>{"/wxdata/mobile/mobagg/USGA0028:1.js", "/wxdata/loc/USGA0028:1.js"}));
            ASSERT_EQ(cache().locations.size(), 1u);
            EXPECT_EQ(cache().locations[0]->name(), "Atlanta, GA");
            // No weather came: the place is stored as needing a refresh, never as fresh.
            EXPECT_TRUE(cache().locations[0]->isStale());
        }
    }
    EXPECT_EQ(networkErrorCount(), 0);
}

TEST_F(DS2JSONDatasourceLocationTest, UnknownLocationStoresNothing) {
    client().requestLocation(QOVLocationIdentity(1, "XXXX0000"));
    ASSERT_TRUE(waitUntilIdle());

    EXPECT_EQ(paths(requests()),
              (std::vector<std::string>{"/wxdata/mobile/mobagg/XXXX0000:1.js", "/wxdata/loc/XXXX0000:1.js"}));
    EXPECT_TRUE(cache().locations.empty());
}

TEST_F(DS2JSONDatasourceLocationTest, PlaceOnlyAnswerNeverReplacesCachedWeatherOnDisk) {
    qovtest::TempHome caches;
    const auto files = std::make_shared<FileSystemApplicationCache>(client().shared_from_this(), caches.path());
    client().setCacheProvider([files] { return files; });
    client().requestLocation(QOVLocationIdentity(1, "USGA0028"));
    ASSERT_TRUE(waitUntilIdle());
    const auto file = files->cachesPathURLWithFileName("USGA0028:1.LocationCache");
    const auto stored = platform::AtomicFile::read(file, 1 << 24);
    ASSERT_TRUE(stored);

    for (const qovsim::Fault& injected :
         {qovsim::Fault{.pathPattern = "/wxdata/mobile/mobagg/*", .malformBody = true},
          qovsim::Fault{.pathPattern = "/wxdata/mobile/mobagg/*", .truncateBody = true}}) {
        SCOPED_TRACE(injected.toJson().dump());
        sim().faults().clear();
        sim().clearRequestLog();
        addFault(injected);
        client().requestLocation(QOVLocationIdentity(1, "USGA0028"));
        ASSERT_TRUE(waitUntilIdle());
        EXPECT_EQ(paths(requests()),
                  (std::vector<std::string>{"/wxdata/mobile/mobagg/USGA0028:1.js", "/wxdata/loc/USGA0028:1.js"}));
        EXPECT_EQ(platform::AtomicFile::read(file, 1 << 24), stored) << "the record and its age stay as they were";
    }
}

TEST_F(DS2JSONDatasourceLocationTest, AnAnswerForAnotherPlaceIsRefusedAndNeverWritesThatPlacesRecord) {
    qovtest::TempHome caches;
    const auto files = std::make_shared<FileSystemApplicationCache>(client().shared_from_this(), caches.path());
    client().setCacheProvider([files] { return files; });
    client().requestLocation(QOVLocationIdentity(1, "USNY0996"));
    ASSERT_TRUE(waitUntilIdle());
    const auto victim = files->cachesPathURLWithFileName("USNY0996:1.LocationCache");
    const auto stored = platform::AtomicFile::read(victim, 1 << 24);
    ASSERT_TRUE(stored);

    // The aggregate, and the place-only answer after an aggregate that does not parse.
    for (const qovsim::Fault& injected :
         {qovsim::Fault{.pathPattern = "/wxdata/mobile/mobagg/*", .answerPath = "/wxdata/mobile/mobagg/USNY0996:1.js"},
          qovsim::Fault{.pathPattern = "/wxdata/loc/*", .answerPath = "/wxdata/loc/USNY0996:1.js"}}) {
        SCOPED_TRACE(injected.toJson().dump());
        sim().faults().clear();
        addFault(injected);
        if (injected.pathPattern == "/wxdata/loc/*") {
            addFault(qovsim::Fault{.pathPattern = "/wxdata/mobile/mobagg/*", .malformBody = true});
        }
        const int errorsBefore = networkErrorCount();
        client().requestLocation(QOVLocationIdentity(1, "USGA0028"));
        ASSERT_TRUE(waitUntilIdle());
        EXPECT_EQ(platform::AtomicFile::read(victim, 1 << 24), stored);
        EXPECT_FALSE(std::filesystem::exists(files->cachesPathURLWithFileName("USGA0028:1.LocationCache")));
        EXPECT_EQ(networkErrorCount(), errorsBefore + 1) << "a waiting caller hears of the failure";
    }
}

TEST_F(DS2JSONDatasourceLocationTest, MarineStepWithoutAnAnswerKeepsTheCachedMarineForecast) {
    client().requestLocation(QOVLocationIdentity(1, "USNY0996"));
    ASSERT_TRUE(waitUntilIdle());
    ASSERT_EQ(cache().locations.size(), 1u);
    const auto cachedForecast = cache().locations[0]->beachAndBoatForecast();
    ASSERT_NE(cachedForecast, nullptr);

    struct Case {
        qovsim::Fault fault;
        bool cached;
        int networkErrors;
    };
    for (const Case& test : {Case{{.pathPattern = "/wxdata/marine/*", .status = 500}, true, 1},
                             Case{{.pathPattern = "/wxdata/marine/*", .truncateBody = true}, true, 0},
                             Case{{.pathPattern = "/wxdata/marine/*", .status = 500}, false, 1},
                             Case{{.pathPattern = "/wxdata/marine/*", .truncateBody = true}, false, 0}}) {
        SCOPED_TRACE(test.fault.toJson().dump() + (test.cached ? " cached" : " not cached"));
        cache().cached.clear();
        if (test.cached) {
            cache().cached["USNY0996:1"] = cache().locations[0];
        }
        cache().locations.clear();
        sim().faults().clear();
        sim().clearRequestLog();
        addFault(test.fault);
        const int errorsBefore = networkErrorCount();
        client().requestLocation(QOVLocationIdentity(1, "USNY0996"));
        ASSERT_TRUE(waitUntilIdle());

        EXPECT_EQ(requests().size(), 2u) << "no location-only request replaces the aggregate";
        ASSERT_EQ(cache().locations.size(), 1u);
        EXPECT_EQ(cache().locations[0]->beachAndBoatForecast(), test.cached ? cachedForecast : nullptr);
        EXPECT_FALSE(cache().locations[0]->hourlyForecasts().value_or(QOVLocation::HourlyList{}).empty());
        EXPECT_EQ(networkErrorCount(), errorsBefore + test.networkErrors);
    }
}

TEST_F(DS2JSONDatasourceLocationTest, ServerFaultsOnTheAggregateReportTheNetworkAndStoreNothing) {
    client().setTimeOutSeconds(0.3);
    for (const qovsim::Fault& injected : serverFailures()) {
        SCOPED_TRACE(injected.toJson().dump());
        sim().faults().clear();
        addFault(injected);
        const int errorsBefore = networkErrorCount();
        client().requestLocation(QOVLocationIdentity(1, "USGA0028"));
        ASSERT_TRUE(waitUntilIdle());
        EXPECT_EQ(networkErrorCount(), errorsBefore + 1);
        ASSERT_NE(lastNetworkError(), nullptr);
        EXPECT_EQ(lastNetworkError()->type(), 1);
        EXPECT_EQ(lastNetworkError()->textKey(),
                  platform::Bundle::main().localizedString("error.network.connectionfailed"));
        EXPECT_FALSE(lastNetworkError()->textKey().empty());
        EXPECT_EQ(lastNetworkErrorSender().object<DS2JSONDatasource>().get(), &client());
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
