#include "sim/TweetRoutes.h"

#include "tests/sim/ServiceRoutesFixture.h"

namespace qovsim {
namespace {

class TweetRoutesTest : public qovtest::ServiceRoutesFixture {};

TEST_F(TweetRoutesTest, TwentyFiveTweetsNewestFirstAboutThePlace) {
    const auto tweets = getJson("/wxdata/tweets_loc/USGA0028:1.js?numTweets=25");
    ASSERT_EQ(tweets.size(), 25U);
    long long previousId = std::numeric_limits<long long>::max();
    for (const auto& tweet : tweets) {
        ASSERT_TRUE(tweet["tweetId"].is_string());
        const long long id = std::stoll(tweet["tweetId"].get<std::string>());
        EXPECT_LT(id, previousId);
        previousId = id;
        EXPECT_LE(tweet["date"].get<long long>(), 1'800'000'000LL);
        EXPECT_TRUE(tweet["tweeter"]["screenName"].is_string());
        EXPECT_EQ(tweet["location"]["name"], "Atlanta");
    }
    EXPECT_EQ(getJson("/wxdata/tweets_loc/USGA0028:1.js?numTweets=100").size(), 25U);
}

TEST_F(TweetRoutesTest, AStartingIdPagesToOlderTweets) {
    const auto first = getJson("/wxdata/tweets_dma/524.js?numTweets=25");
    ASSERT_EQ(first.size(), 25U);
    const std::string last = first.back()["tweetId"];
    const auto next = getJson("/wxdata/tweets_dma/524.js?numTweets=25&tweetId=" + last);
    ASSERT_EQ(next.size(), 25U);
    EXPECT_LT(std::stoll(next[0]["tweetId"].get<std::string>()), std::stoll(last));
    // The same list later on holds the newer tweets on top of the older ones.
    clock().advance(6 * 3600.0);
    const auto later = getJson("/wxdata/tweets_dma/524.js?numTweets=25");
    EXPECT_GT(std::stoll(later[0]["tweetId"].get<std::string>()), std::stoll(first[0]["tweetId"].get<std::string>()));
}

TEST_F(TweetRoutesTest, UnknownAreasLocationsAndIdsAnswerTheErrorRecord) {
    for (const char* path : {"/wxdata/tweets_dma/999.js", "/wxdata/tweets_loc/NOWHERE:1.js",
                             "/wxdata/tweets_loc/USGA0028:0.js", "/wxdata/tweets_loc/USGA0028:1.js?tweetId=abc"}) {
        EXPECT_EQ(getJson(path)["class"], "error") << path;
    }
}

TEST_F(TweetRoutesTest, FlaggingATweetChecksTheFormKeyAndTheId) {
    httplib::Client client("127.0.0.1", sim().port());
    auto flagged = client.Post("/wxdata/tweet_flag/get.js",
                               httplib::Params{{"tweetid", "42"}, {"uuid", "u"}, {"key", ServiceKey::expected()}});
    ASSERT_TRUE(flagged);
    EXPECT_EQ(nlohmann::json::parse(flagged->body)["status"], "ok");
    auto withoutId = client.Post("/wxdata/tweet_flag/get.js", httplib::Params{{"key", ServiceKey::expected()}});
    EXPECT_EQ(nlohmann::json::parse(withoutId->body)["class"], "error");
    EXPECT_TRUE(
        isKeyRefusal(client.Post("/wxdata/tweet_flag/get.js", httplib::Params{{"tweetid", "42"}, {"key", "x"}})));
}

}  // namespace
}  // namespace qovsim
