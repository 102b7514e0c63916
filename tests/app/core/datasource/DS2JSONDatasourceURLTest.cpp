#include <gtest/gtest.h>

#include "app/core/model/QOVLocationIdentity.h"
#include "platform/storage/LocaleSource.h"
#include "tests/app/core/datasource/DatasourceFixture.h"
#include "tests/support/LogCapture.h"

// URL building: host, command, locale, key, encoding of every inserted value, test-mode host, logging.
namespace qov {
namespace {

using DS2JSONDatasourceURLTest = qovtest::DatasourceFixture;

TEST_F(DS2JSONDatasourceURLTest, CommandUrlCarriesHostLocaleAndKey) {
    platform::LocaleSource::setOverride("fr_CA", {"fr-CA"});
    EXPECT_EQ(client().constructDS2URLWithCommand("/wxdata/loc/USGA0028:1.js"),
              simUrl("/wxdata/loc/USGA0028:1.js") + "?locale=fr_CA&key=" + apiKey());
}

TEST_F(DS2JSONDatasourceURLTest, HostsComeFromTheInformationList) {
    DS2JSONDatasource fromBundle;
    EXPECT_EQ(fromBundle.dataServiceHost(), "wx.qovara.net");
    fromBundle.setTestMode(true);
    EXPECT_EQ(fromBundle.dataServiceHost(), "wx-test.qovara.net");
    fromBundle.setTestMode(false);
}

TEST_F(DS2JSONDatasourceURLTest, TestModeSendsLaterRequestsToTheTestHost) {
    // Production points at a closed port; the stand-in service plays the test host.
    client().setDataServiceHosts("127.0.0.1:1", simUrl().substr(7));
    client().setTestMode(true);
    client().requestLocationForZip("30303", callback(), false);
    ASSERT_TRUE(waitForAnswers(1));
    client().setTestMode(false);
    EXPECT_EQ(requests().size(), 1u);
    EXPECT_NE(answers()[0].object<QOVLocationIdentity>(), nullptr);
}

TEST_F(DS2JSONDatasourceURLTest, InsertedValuesArriveWholeAndUnchanged) {
    client().requestConfigurationForApplicationId("app id/1", 60.0);
    client().requestLocationForZip("30/3 0&x", callback(), false);
    client().requestPointsOfInterestForType(3, "02&where=1", {});
    client().requestTweetsByDMA("5 2/4", callback(), std::string("9&key=x"));
    client().requestTypeAheadWithSearchString("Zürich ab", 7, callback());
    ASSERT_TRUE(waitUntilIdle());

    auto log = requests();
    ASSERT_EQ(log.size(), 5u);
    std::sort(log.begin(), log.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    EXPECT_EQ(log[0].path, "/wxdata/loc/30/3 0&x:4.js");
    EXPECT_EQ(log[1].path, "/wxdata/mobile/configuration/app id/1.js");
    EXPECT_EQ(log[1].queryValue("locale"), "en_US");
    EXPECT_EQ(log[2].path, "/wxdata/ta/Zürich ab.js");
    EXPECT_EQ(log[2].queryValue("max"), "7");
    EXPECT_EQ(log[2].queryValue("locType"), "4,1");
    EXPECT_EQ(log[3].path, "/wxdata/tweets_dma/5 2/4.js");
    EXPECT_EQ(log[3].queryValue("tweetId"), "9&key=x");
    EXPECT_EQ(log[3].queryValue("numTweets"), "25");
    EXPECT_EQ(log[3].query.count("key"), 1u);
    EXPECT_EQ(log[3].queryValue("key"), apiKey());
    EXPECT_EQ(log[4].queryValue("where"), "02&where=1");
    EXPECT_EQ(log[4].query.count("where"), 1u);
}

TEST_F(DS2JSONDatasourceURLTest, SearchAndContentUrlsCarryNoLocale) {
    client().requestLocationForCoordinates({33.749, -84.388}, callback());
    client().currentTropicalStormDataWithCallbackObject(callback());
    client().requestRSSNewsFeedWithCallbackObject(callback());
    client().requestTweetsByLocation(QOVLocationIdentity(1, "USGA0028"), callback(), std::nullopt);
    client().requestLocationForZip("30303", callback(), false);
    ASSERT_TRUE(waitUntilIdle());

    auto log = requests();
    ASSERT_EQ(log.size(), 5u);
    std::sort(log.begin(), log.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    EXPECT_EQ(log[0].path, "/wxdata/articles/get.xml");
    EXPECT_EQ(log[1].path, "/wxdata/currtrop/get.js");
    EXPECT_EQ(log[2].path, "/wxdata/loc/30303:4.js");
    EXPECT_EQ(log[3].queryValue("lat"), "33.749000");
    EXPECT_EQ(log[4].query.count("tweetId"), 0u);
    for (const auto& request : log) {
        EXPECT_EQ(request.query.count("locale"), 0u) << request.path;
        EXPECT_EQ(request.queryValue("key"), apiKey()) << request.path;
    }
}

TEST_F(DS2JSONDatasourceURLTest, LoggedUrlsHideTheKey) {
    const qovtest::LogCapture log;
    client().setTestMode(true);  // debug lines on
    client().setDataServiceHosts(simUrl().substr(7), simUrl().substr(7));
    client().requestLocationForZip("30303", callback(), false);
    client().requestPointsOfInterestForType(1, "0231", {});
    ASSERT_TRUE(waitUntilIdle());
    client().setTestMode(false);

    EXPECT_FALSE(log.contains(apiKey()));
    EXPECT_TRUE(log.contains("url being requested (zip/location search)"));
    EXPECT_TRUE(log.contains("url being requested (POI): <A href="));
}

}  // namespace
}  // namespace qov
