#include "app/core/model/QOVTweet.h"

#include <gtest/gtest.h>

#include "tests/app/core/model/ModelTestSupport.h"

namespace qov {
namespace {

TEST(QOVTweetTest, ArchiveKeepsPresentFieldsAndLeavesAbsentOnesOut) {
    QOVTweet tweet;
    tweet.setTweetID("912345678901234567");
    tweet.setText("Sunny and 41 \xF0\x9F\x8C\x9E");
    tweet.setDate(platform::Date{1'800'000'000.0});
    tweet.setTweeter("weatherfan");
    tweet.setAvatarURL("http://images.example.com/a.png");
    tweet.setCityName("Atlanta");
    const auto restored = qovtest::archiveRoundTrip(tweet);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->tweetID(), tweet.tweetID());
    EXPECT_EQ(restored->text(), tweet.text());
    EXPECT_EQ(restored->date(), tweet.date());
    EXPECT_EQ(restored->tweeter(), "weatherfan");
    EXPECT_EQ(restored->avatarURL(), "http://images.example.com/a.png");
    EXPECT_EQ(restored->cityName(), "Atlanta");
    EXPECT_EQ(restored->countryName(), std::nullopt);
    EXPECT_EQ(qovtest::archiveKeys(tweet), (std::set<std::string>{"$class", "tweetID", "text", "date", "tweeter",
                                                                  "avatarURL", "cityName"}));

    const auto empty = qovtest::archiveRoundTrip(QOVTweet());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->date(), std::nullopt);
    EXPECT_EQ(empty->tweeter(), std::nullopt);
}

}  // namespace
}  // namespace qov
