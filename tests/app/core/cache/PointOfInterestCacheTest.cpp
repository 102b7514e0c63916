#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/cache/FileSystemApplicationCache.h"
#include "app/core/model/QOVPOIList.h"
#include "app/core/model/QOVPointOfInterest.h"
#include "tests/app/core/cache/CacheFixture.h"
#include "tests/support/TempHome.h"

namespace {

namespace fs = std::filesystem;
using qov::FileSystemApplicationCache;
using qov::QOVPOIList;

class PointOfInterestCacheTest : public qovtest::CacheFixture {
protected:
    static std::vector<std::shared_ptr<qov::QOVPointOfInterest>> points(const std::string& name) {
        auto point = std::make_shared<qov::QOVPointOfInterest>();
        point->setPoiType(1);
        point->setPointId(name);
        point->setDnam(name);
        return {point};
    }
    // What the data source does with its answer: store it with the user information it was given.
    void answerLastRequest(const std::string& name) {
        ASSERT_FALSE(datasource->poiUserInfo.empty());
        cache->storePOIList(points(name), datasource->poiUserInfo.back());
    }
    qov::ApplicationCache::POIListCallback recorder() {
        return [this](const std::shared_ptr<QOVPOIList>& list) { answers.push_back(list); };
    }

    qovtest::TempHome home;
    std::shared_ptr<FileSystemApplicationCache> cache =
        std::make_shared<FileSystemApplicationCache>(datasource, home.path());
    std::vector<std::shared_ptr<QOVPOIList>> answers;
};

TEST_F(PointOfInterestCacheTest, MissingListIsRequestedStoredAndAnswered) {
    cache->cachedPOIType(1, "0231", recorder());
    ASSERT_EQ(datasource->calls, std::vector<std::string>{"requestPointsOfInterest 1 0231"});
    EXPECT_TRUE(answers.empty());

    answerLastRequest("Atlanta");
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0]->quadKey(), "0231");
    ASSERT_EQ(answers[0]->poiLocations().size(), 1u);
    EXPECT_TRUE(fs::exists(home.path() / "AppCache" / "0231_1.POICache"));

    // From the file now, at once, without a request.
    cache->cachedPOIType(1, "0231", recorder());
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[1]->poiLocations().at(0)->pointId(), "Atlanta");
    EXPECT_EQ(datasource->calls.size(), 1u);
}

TEST_F(PointOfInterestCacheTest, StaleListIsRequestedAgainAndDeletedByThePass) {
    const platform::Date now = clock()->now();
    clock()->set(now.addingTimeInterval(-86401.0));
    cache->cachedPOIType(1, "0231", recorder());
    answerLastRequest("Old");
    clock()->set(now);
    cache->cachedPOIType(1, "0232", recorder());
    answerLastRequest("New");

    cache->cachedPOIType(1, "0231", recorder());
    EXPECT_EQ(datasource->calls.size(), 3u) << "a stale list is not handed out";
    EXPECT_EQ(answers.size(), 2u);

    advance(45.0);
    EXPECT_FALSE(fs::exists(home.path() / "AppCache" / "0231_1.POICache"));
    EXPECT_TRUE(fs::exists(home.path() / "AppCache" / "0232_1.POICache"));
}

TEST_F(PointOfInterestCacheTest, AnswerWithoutItsQuadKeyAndTypeIsNotStored) {
    cache->storePOIList(points("Nowhere"), {});
    cache->storePOIList(points("Nowhere"), {{FileSystemApplicationCache::kPOIQuadKeyKey, 7},
                                            {FileSystemApplicationCache::kPOITypeKey, 1}});
    EXPECT_FALSE(fs::exists(home.path() / "AppCache"));
}

TEST_F(PointOfInterestCacheTest, CallerWithoutACallbackIsStillServed) {
    cache->cachedPOIType(9, "12", {});
    answerLastRequest("Airport");
    EXPECT_TRUE(fs::exists(home.path() / "AppCache" / "12_9.POICache"));
}

}  // namespace
