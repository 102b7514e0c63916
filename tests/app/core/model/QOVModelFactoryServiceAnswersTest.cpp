// The stand-in service's configuration, search, point-of-interest, storm and tweet answers, fetched over HTTP
// and read by the model factory as the data-service client hands them over.
#include <gtest/gtest.h>

#include <httplib.h>

#include "app/core/error/QOVError.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVPointOfInterest.h"
#include "app/core/model/QOVTropicalStorm.h"
#include "app/core/model/QOVTweet.h"
#include "app/core/model/QOVTypeAheadLocation.h"
#include "platform/base/Clock.h"
#include "sim/ServiceKey.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TestBundle.h"

namespace qov {
namespace {

class QOVModelFactoryServiceAnswersTest : public qovtest::SimFixture {
protected:
    qovsim::SimServer::Options simOptions() const override {
        qovsim::SimServer::Options options;
        options.clock = std::make_shared<platform::ManualClock>(platform::Date{1'800'000'000.0});
        return options;
    }

    std::string get(const std::string& path, const std::string& key = qovsim::ServiceKey::expected()) {
        httplib::Client client("127.0.0.1", sim().port());
        auto response = client.Get(path + (path.find('?') == std::string::npos ? "?" : "&") + "key=" + key);
        EXPECT_TRUE(response && response->status == 200) << path;
        return response ? response->body : std::string();
    }
    QOVModelFactory& factory() { return *QOVModelFactory::sharedInstance(); }

    qovtest::TestBundle m_bundle;
};

TEST_F(QOVModelFactoryServiceAnswersTest, ConfigurationsGiveTheSwitchesTheSettingsRead) {
    const auto common = factory().configurationUsingJSON(get("/wxdata/mobile/configuration/common.js"), "common", 900);
    ASSERT_TRUE(common);
    EXPECT_FALSE(common->boolForAttribute("killall", "swagger"));
    const auto app = factory().configurationUsingJSON(get("/wxdata/mobile/configuration/qovara.js"), "qovara", 1800);
    ASSERT_TRUE(app);
    EXPECT_TRUE(app->boolForAttribute("autorate", "diag"));
    EXPECT_EQ(app->intForAttribute("usesUntilPrompt", "diag"), 10);
    EXPECT_TRUE(app->stringForAttribute("app", "latest"));
    // A refused key is no configuration.
    EXPECT_FALSE(factory().configurationUsingJSON(get("/wxdata/mobile/configuration/common.js", "bad"), "common", 900));
}

TEST_F(QOVModelFactoryServiceAnswersTest, SearchesAndPointsOfInterestRead) {
    const auto found = factory().typeAheadLocationsUsingJSON(get("/wxdata/ta/Atl.js?max=10&locType=4,1"));
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0]->identifierAsString(), "USGA0028:1");
    EXPECT_EQ(found[0]->countryCode(), "US");
    EXPECT_TRUE(factory().typeAheadLocationsUsingJSON(get("/wxdata/ta/Atl.js?max=10", "bad")).empty());

    const auto nearest = factory().singleLocationFromJSON(get("/wxdata/loc/get.js?lat=33.700000&lng=-84.400000"));
    ASSERT_TRUE(nearest);
    EXPECT_EQ(nearest->identifierAsString(), "USGA0028:1");

    const auto points = factory().pointOfInterestUsingJSON(get("/wxdata/wxdata/bytile/get.js?what=9&where=03200231"));
    ASSERT_GE(points.size(), 2U);
    EXPECT_EQ(points[0]->poiType(), 9);
    EXPECT_NE(points[0]->latitude(), 0.0F);
}

TEST_F(QOVModelFactoryServiceAnswersTest, StormsAndTweetsRead) {
    const auto storms = factory().tropicalStormDataUsingJSON(get("/wxdata/currtrop/get.js"));
    ASSERT_TRUE(storms);
    ASSERT_EQ(storms->size(), 2U);
    EXPECT_TRUE((*storms)[0]->isAtlanticStorm());
    EXPECT_GT((*storms)[0]->windSpeed(), 0);
    EXPECT_FALSE(factory().tropicalStormDataUsingJSON(get("/wxdata/currtrop/get.js", "bad")));

    QOVError::clearAllErrors();
    const auto tweets = factory().tweetsUsingJSON(get("/wxdata/tweets_loc/USGA0028:1.js?numTweets=25"));
    ASSERT_TRUE(tweets);
    ASSERT_EQ(tweets->size(), 25U);
    EXPECT_TRUE((*tweets)[0]->avatarURL());
    EXPECT_EQ((*tweets)[0]->cityName(), "Atlanta");
    EXPECT_FALSE(factory().tweetsUsingJSON(get("/wxdata/tweets_dma/524.js", "bad")));
    QOVError::clearAllErrors();
}

}  // namespace
}  // namespace qov
