#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/cache/MemoryApplicationCache.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/summary/WeatherSummaryJob.h"
#include "tests/app/core/cache/CacheFixture.h"

namespace {

class WeatherSummaryJobTest : public qovtest::CacheFixture {
protected:
    std::shared_ptr<qov::WeatherSummaryJob> startJob() {
        auto job = std::make_shared<qov::WeatherSummaryJob>(cache, identity("USGA0028"));
        job->start();
        return job;
    }

    std::shared_ptr<qov::MemoryApplicationCache> cache = std::make_shared<qov::MemoryApplicationCache>(datasource);
};

TEST_F(WeatherSummaryJobTest, WaitsForTheLocationItAskedFor) {
    const auto job = startJob();
    EXPECT_EQ(datasource->calls, std::vector<std::string>{"requestLocation USGA0028:1"});
    EXPECT_FALSE(job->hasFreshLocation());
    EXPECT_FALSE(job->isAnswered());

    loop().runUntilIdle();
    cache->storeLocation(makeLocation("GBXX0001"));
    EXPECT_EQ(job->location(), nullptr);
    EXPECT_FALSE(job->isAnswered());
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_TRUE(job->hasFreshLocation());
    EXPECT_TRUE(job->isAnswered());
}

TEST_F(WeatherSummaryJobTest, StaleCachedAnswerIsKeptAndRefreshedOnce) {
    cache->storeLocation(makeLocation("USGA0028", 1, 600.0));
    const auto job = startJob();
    ASSERT_NE(job->location(), nullptr);
    EXPECT_FALSE(job->hasFreshLocation());
    EXPECT_FALSE(job->isAnswered());
    EXPECT_EQ(datasource->calls, std::vector<std::string>{"requestLocation USGA0028:1"});

    loop().runUntilIdle();
    cache->storeLocation(makeLocation("USGA0028"));
    EXPECT_TRUE(job->hasFreshLocation());
    EXPECT_EQ(datasource->calls.size(), 1u);
}

TEST_F(WeatherSummaryJobTest, AStaleAnswerEndsTheWaitWithoutAskingAgain) {
    const auto job = startJob();
    loop().runUntilIdle();
    // What the service stores when the weather did not parse: the bare place of unknown age.
    auto barePlace = makeLocation("USGA0028");
    barePlace->forgetCreationDate();
    cache->storeLocation(barePlace);
    EXPECT_TRUE(job->isAnswered());
    EXPECT_FALSE(job->hasFreshWeather());
    EXPECT_EQ(datasource->calls.size(), 1u);
}

TEST_F(WeatherSummaryJobTest, OnlyAFreshRecordWithCurrentConditionsIsFreshWeather) {
    const auto job = startJob();
    loop().runUntilIdle();
    cache->storeLocation(makeLocation("USGA0028"));  // the bare place record
    EXPECT_TRUE(job->hasFreshLocation());
    EXPECT_FALSE(job->hasFreshWeather());

    auto stale = makeLocation("USGA0028", 1, 600.0);
    stale->setCurrentConditions(std::make_shared<qov::QOVCurrentConditions>());
    cache->storeLocation(stale);
    EXPECT_FALSE(job->hasFreshWeather());

    auto weather = makeLocation("USGA0028");
    weather->setCurrentConditions(std::make_shared<qov::QOVCurrentConditions>());
    cache->storeLocation(weather);
    EXPECT_TRUE(job->hasFreshWeather());
}

TEST_F(WeatherSummaryJobTest, JobThatEndsStopsListening) {
    auto job = startJob();
    loop().runUntilIdle();
    const std::weak_ptr<qov::WeatherSummaryJob> gone = job;
    job.reset();
    EXPECT_TRUE(gone.expired());
    cache->storeLocation(makeLocation("USGA0028"));
}

}  // namespace
