#include "sim/ConfigurationRoutes.h"

#include "tests/sim/ServiceRoutesFixture.h"

namespace qovsim {
namespace {

class ConfigurationRoutesTest : public qovtest::ServiceRoutesFixture {};

TEST_F(ConfigurationRoutesTest, CommonHoldsTheSocialSwitchesAndAnApplicationIdEverySwitchTheSettingsRead) {
    const auto common = getJson("/wxdata/mobile/configuration/common.js");
    EXPECT_EQ(common["swagger"]["killall"], "false");
    EXPECT_EQ(common["swagger"]["killcompose"], "false");
    EXPECT_FALSE(common.contains("diag"));
    const auto document = getJson("/wxdata/mobile/configuration/qovara-iphone.js");
    EXPECT_EQ(document["appid"], "qovara-iphone");
    EXPECT_EQ(document["siteStats"]["killall"], "false");
    EXPECT_EQ(document["latest"]["app"], "0.1.0");  // the bundle's version: no upgrade is offered
    EXPECT_EQ(document["latest"]["forceupg"], "false");
    EXPECT_TRUE(document["inseason"]["url"].get<std::string>().starts_with("https://"));
    for (const char* attribute :
         {"autorate", "userMessage", "daysUntilPrompt", "usesUntilPrompt", "eventsUntilPrompt"}) {
        EXPECT_TRUE(document["diag"][attribute].is_string()) << attribute;
    }
}

TEST_F(ConfigurationRoutesTest, AWrongOrMissingKeyAnswersTheErrorRecord) {
    EXPECT_TRUE(isKeyRefusal(get("/wxdata/mobile/configuration/common.js", "")));
    httplib::Client client("127.0.0.1", sim().port());
    EXPECT_TRUE(isKeyRefusal(client.Get("/wxdata/mobile/configuration/common.js")));
}

}  // namespace
}  // namespace qovsim
