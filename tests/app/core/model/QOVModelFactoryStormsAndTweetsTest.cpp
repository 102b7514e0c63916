#include <gtest/gtest.h>

#include "app/core/model/QOVTropicalStorm.h"
#include "app/core/model/QOVTweet.h"
#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

using qovtest::readModelFixture;

class QOVModelFactoryStormsAndTweetsTest : public qovtest::FactoryTest {};

TEST_F(QOVModelFactoryStormsAndTweetsTest, StormsFillEveryFieldIncludingNestedOnes) {
    const auto storms = factory().tropicalStormDataUsingJSON(readModelFixture("storms-two.json"));
    ASSERT_TRUE(storms);
    ASSERT_EQ(storms->size(), 2U);
    const auto& odette = *(*storms)[0];
    EXPECT_EQ(odette.stormId(), "AL142027");
    EXPECT_TRUE(odette.isActive());
    EXPECT_EQ(odette.reportTime(), platform::Date{1'800'000'000.0});
    EXPECT_EQ(odette.longitude(), -78.25);
    EXPECT_EQ(odette.pressure(), 962.0);
    EXPECT_EQ(odette.windGusts(), 140);
    EXPECT_EQ(odette.movingDirectionText(), "NW");
    EXPECT_EQ(odette.movingSpeed(), 12);
    EXPECT_EQ(odette.nearDistance(), "120 miles ESE of Nassau");
    EXPECT_FALSE((*storms)[1]->isActive());  // "TRUE" is not "true"
    EXPECT_TRUE(fired.empty());
}

TEST_F(QOVModelFactoryStormsAndTweetsTest, StormNestedValuesOfWrongKindsReadAsAbsent) {
    const auto storms = factory().tropicalStormDataUsingJSON(readModelFixture("storms-wrong-kinds.json"));
    ASSERT_TRUE(storms);
    ASSERT_EQ(storms->size(), 2U);
    const auto& first = *(*storms)[0];
    EXPECT_TRUE(first.isActive());  // JSON true reads as the text "true"
    EXPECT_EQ(first.windSpeed(), 0);
    EXPECT_EQ(first.movingHeading(), "");
    EXPECT_EQ(first.nearDistance(), "");
    EXPECT_EQ((*storms)[1]->reportTime(), platform::Date{0.0});
}

TEST_F(QOVModelFactoryStormsAndTweetsTest, OnlyAListIsStormData) {
    const auto none = factory().tropicalStormDataUsingJSON("[]");
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
    for (const char* json : {"", "{}", "nonsense", "null", "7", R"({"class":"error","text":"Invalid key"})", "[{"}) {
        EXPECT_FALSE(factory().tropicalStormDataUsingJSON(json)) << json;
    }
    EXPECT_TRUE(fired.empty());
}

TEST_F(QOVModelFactoryStormsAndTweetsTest, TweetsReadAuthorAndPlaceOnlyWhenPresent) {
    const auto tweets = factory().tweetsUsingJSON(readModelFixture("tweets-list.json"));
    ASSERT_TRUE(tweets);
    ASSERT_EQ(tweets->size(), 3U);
    const auto& first = *(*tweets)[0];
    EXPECT_EQ(first.tweetID(), "912345678901234567");
    EXPECT_EQ(first.date(), platform::Date{1'800'000'000.0});
    EXPECT_EQ(first.avatarURL(), "http://images.example.com/avatars/weatherfan.png");
    EXPECT_EQ(first.countryName(), "US");
    EXPECT_EQ((*tweets)[1]->tweeter(), std::nullopt);
    EXPECT_EQ((*tweets)[1]->cityName(), std::nullopt);

    const auto& odd = *(*tweets)[2];
    EXPECT_EQ(odd.tweeter(), "spaces");
    EXPECT_EQ(odd.avatarURL(), std::nullopt);  // a space is no part of an address
    EXPECT_EQ(odd.cityName(), std::nullopt);   // "location" is a text, not an object
    EXPECT_TRUE(fired.empty());
}

TEST_F(QOVModelFactoryStormsAndTweetsTest, TweetNullsReadAsAbsentAndNonObjectsAreSkipped) {
    const auto tweets = factory().tweetsUsingJSON(readModelFixture("tweets-nulls.json"));
    ASSERT_TRUE(tweets);
    ASSERT_EQ(tweets->size(), 2U);
    EXPECT_EQ((*tweets)[0]->date(), platform::Date{0.0});
    EXPECT_EQ((*tweets)[0]->tweeter(), std::nullopt);
    EXPECT_EQ((*tweets)[1]->tweeter(), "");
    EXPECT_EQ((*tweets)[1]->avatarURL(), std::nullopt);
}

TEST_F(QOVModelFactoryStormsAndTweetsTest, AnEmptyListFiresNothingAndAnythingButAListFiresNoData) {
    const auto empty = factory().tweetsUsingJSON("[]");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
    EXPECT_TRUE(fired.empty());

    for (const std::string& json : {readModelFixture("tweets-object.json"), std::string("nonsense"), std::string(),
                                    std::string("null"), std::string("\"tweets\""), std::string("[{]")}) {
        forgetErrors();
        EXPECT_FALSE(factory().tweetsUsingJSON(json)) << json;
        expectNoDataFired(json);
    }
}

TEST_F(QOVModelFactoryStormsAndTweetsTest, OnlyANewIdDecidesWhetherTheStormIsAtlantic) {
    QOVTropicalStorm storm;
    const std::pair<const char*, bool> cases[] = {
        {"AL142027", true}, {"EP092027", false}, {"CPAL01", true}, {"al012027", false}};
    for (const auto& [id, atlantic] : cases) {
        storm.setStormId(id);
        EXPECT_EQ(storm.isAtlanticStorm(), atlantic) << id;
    }
}

TEST_F(QOVModelFactoryStormsAndTweetsTest, TweetArchiveKeepsPresentFieldsAndLeavesAbsentOnesOut) {
    const auto tweets = factory().tweetsUsingJSON(readModelFixture("tweets-list.json"));
    ASSERT_TRUE(tweets);
    auto& tweet = *(*tweets)[0];
    tweet.setText("Sunny and 41 \xF0\x9F\x8C\x9E");
    EXPECT_EQ(qovtest::archiveKeys(tweet),
              qovtest::keys("$class tweetID text date tweeter avatarURL cityName countryName"));
    EXPECT_TRUE(qovtest::faithfulRoundTrip(tweet));
    EXPECT_EQ(qovtest::archiveKeys(*(*tweets)[1]), qovtest::keys("$class tweetID text date"));
    const auto empty = qovtest::faithfulRoundTrip(QOVTweet());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->date(), std::nullopt);
    EXPECT_EQ(empty->tweeter(), std::nullopt);
}

}  // namespace
}  // namespace qov
