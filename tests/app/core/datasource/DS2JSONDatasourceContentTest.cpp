#include <gtest/gtest.h>

#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "app/core/model/QOVPointOfInterest.h"
#include "app/core/model/QOVTweet.h"
#include "app/core/model/TropicalStormCacheContainer.h"
#include "app/core/services/QOVMetricsService.h"
#include "tests/app/core/datasource/DatasourceFixture.h"

// Configurations, points of interest, storms, tweets, the news feed and the tweet flag.
namespace qov {
namespace {

using DS2JSONDatasourceContentTest = qovtest::DatasourceFixture;

TEST_F(DS2JSONDatasourceContentTest, ConfigurationIsStoredWithItsIdAndTimeToLiveOrTheDefault) {
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (double timeToLive : {1800.0, 0.0, -5.0, kNaN, std::numeric_limits<double>::infinity()}) {
        client().requestConfigurationForApplicationId("com.qovara.app", timeToLive);
        ASSERT_TRUE(waitUntilIdle());
    }
    ASSERT_EQ(cache().configurations.size(), 5u);
    EXPECT_EQ(cache().configurations[0]->applicationId(), "com.qovara.app");
    EXPECT_FALSE(cache().configurations[0]->allCategories().empty());
    EXPECT_EQ(cache().configurations[0]->ttl(), 1800.0);
    for (std::size_t i = 1; i < cache().configurations.size(); ++i) {
        EXPECT_EQ(cache().configurations[i]->ttl(), 3600.0);
    }
}

TEST_F(DS2JSONDatasourceContentTest, BrokenConfigurationAnswersStoreNothing) {
    addFault(qovsim::Fault{.pathPattern = "/wxdata/mobile/configuration/*", .malformBody = true});
    client().requestConfigurationForApplicationId("com.qovara.app", 60.0);
    ASSERT_TRUE(waitUntilIdle());
    addFault(qovsim::Fault{.pathPattern = "/wxdata/mobile/configuration/*", .status = 500});
    client().requestConfigurationForApplicationId("com.qovara.app", 60.0);
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_TRUE(cache().configurations.empty());
    EXPECT_EQ(networkErrorCount(), 0);
}

TEST_F(DS2JSONDatasourceContentTest, PointsOfInterestAreStoredWithTheCallersUserInformation) {
    const platform::Dictionary userInfo{{"kPOIQuadKeyKey", "0320"}, {"kPOITypeKey", 9}};
    client().requestPointsOfInterestForType(9, "0320", userInfo);
    ASSERT_TRUE(waitUntilIdle());
    ASSERT_EQ(cache().poiLists.size(), 1u);
    EXPECT_FALSE(cache().poiLists[0].points.empty());
    EXPECT_EQ(cache().poiLists[0].userInfo, userInfo);
}

TEST_F(DS2JSONDatasourceContentTest, EmptyOrBrokenPointListsStoreNothing) {
    client().requestPointsOfInterestForType(2, "0320", {});  // a kind without points
    client().requestPointsOfInterestForType(9, "0349", {});  // no such tile
    ASSERT_TRUE(waitUntilIdle());
    EXPECT_EQ(requests().size(), 2u);
    EXPECT_TRUE(cache().poiLists.empty());
}

TEST_F(DS2JSONDatasourceContentTest, StormsAnswerAContainerMarkedWhenTheAnswerHeldNoStorms) {
    client().currentTropicalStormDataWithCallbackObject(callback());
    ASSERT_TRUE(waitForAnswers(1));
    const auto container = answers()[0].object<TropicalStormCacheContainer>();
    ASSERT_NE(container, nullptr);
    ASSERT_TRUE(container->activeStormData().has_value());
    EXPECT_EQ(container->activeStormData()->size(), 2u);

    addFault(qovsim::Fault{.pathPattern = "/wxdata/currtrop/*", .malformBody = true});
    client().currentTropicalStormDataWithCallbackObject(callback());
    ASSERT_TRUE(waitForAnswers(2));
    const auto broken = answers()[1].object<TropicalStormCacheContainer>();
    ASSERT_NE(broken, nullptr);
    EXPECT_TRUE(broken->dataReceiveError());
    EXPECT_FALSE(broken->activeStormData().has_value());
}

TEST_F(DS2JSONDatasourceContentTest, TweetsAnswerTheListFromTheStartingId) {
    client().requestTweetsByLocation(QOVLocationIdentity(1, "USGA0028"), callback(), std::nullopt);
    ASSERT_TRUE(waitForAnswers(1));
    const platform::Array* tweets = answers()[0].ifArray();
    ASSERT_NE(tweets, nullptr);
    ASSERT_FALSE(tweets->empty());
    const auto newest = tweets->front().object<QOVTweet>();
    ASSERT_NE(newest, nullptr);

    client().requestTweetsByDMA("524", callback(), newest->tweetID());
    ASSERT_TRUE(waitForAnswers(2));
    ASSERT_NE(answers()[1].ifArray(), nullptr);
    EXPECT_EQ(requests()[1].queryValue("tweetId"), newest->tweetID());
}

TEST_F(DS2JSONDatasourceContentTest, NewsFeedAnswersTheRawBytes) {
    client().requestRSSNewsFeedWithCallbackObject(callback());
    ASSERT_TRUE(waitForAnswers(1));
    const platform::Data* bytes = answers()[0].ifData();
    ASSERT_NE(bytes, nullptr);
    const std::string text(bytes->begin(), bytes->end());
    EXPECT_NE(text.find("<rss"), std::string::npos);
}

TEST_F(DS2JSONDatasourceContentTest, TweetFlagPostsTheIdTheInstallIdentifierAndTheKey) {
    client().flagTweet("1234567890");
    ASSERT_TRUE(waitUntilIdle());
    const auto log = requests();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].method, "POST");
    EXPECT_TRUE(log[0].query.empty());
    EXPECT_EQ(log[0].formValue("tweetid"), "1234567890");
    EXPECT_EQ(log[0].formValue("uuid"), QOVMetricsService::sharedInstance()->guid());
    EXPECT_EQ(log[0].formValue("key"), apiKey());
}

}  // namespace
}  // namespace qov
