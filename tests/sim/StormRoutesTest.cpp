#include "sim/StormRoutes.h"

#include "tests/sim/ServiceRoutesFixture.h"

namespace qovsim {
namespace {

class StormRoutesTest : public qovtest::ServiceRoutesFixture {
protected:
    int setActive(const std::string& count) {
        httplib::Client client("127.0.0.1", sim().port());
        auto response = client.Post("/admin/storms?active=" + count, "", "text/plain");
        return response ? response->status : 0;
    }
};

TEST_F(StormRoutesTest, TwoActiveStormsWithEveryFieldTheFactoryReads) {
    const auto storms = getJson("/wxdata/currtrop/get.js");
    ASSERT_EQ(storms.size(), 2U);
    EXPECT_TRUE(storms[0]["id"].get<std::string>().starts_with("AL"));
    EXPECT_TRUE(storms[1]["id"].get<std::string>().starts_with("EP"));
    for (const auto& storm : storms) {
        for (const char* text : {"id", "name", "isActive", "nextUpdate", "cat", "maxType"}) {
            EXPECT_TRUE(storm[text].is_string()) << text;
        }
        EXPECT_EQ(storm["isActive"], "true");
        EXPECT_EQ(storm["reportTime"], 1'800'000'000 - 1'800'000'000 % 10800);
        for (const char* number : {"lat", "lng", "pressure"}) {
            EXPECT_TRUE(storm[number].is_number()) << number;
        }
        EXPECT_GE(storm["wind"]["gusts"].get<int>(), storm["wind"]["speed"].get<int>());
        EXPECT_TRUE(storm["moving"]["head"]["cdnl"].is_string());
        EXPECT_NE(storm["near"]["distance"].get<std::string>().find(" miles "), std::string::npos);
    }
}

TEST_F(StormRoutesTest, StormsMoveWithTheClock) {
    const auto before = getJson("/wxdata/currtrop/get.js");
    clock().advance(12 * 3600.0);
    const auto after = getJson("/wxdata/currtrop/get.js");
    EXPECT_NE(before[0]["lat"], after[0]["lat"]);
    EXPECT_EQ(after[0]["reportTime"].get<long long>() - before[0]["reportTime"].get<long long>(), 12 * 3600);
}

TEST_F(StormRoutesTest, TheSwitchSetsHowManyStormsAreActive) {
    EXPECT_EQ(setActive("0"), 200);
    EXPECT_EQ(getJson("/wxdata/currtrop/get.js"), nlohmann::json::array());
    EXPECT_EQ(setActive("1"), 200);
    EXPECT_EQ(getJson("/wxdata/currtrop/get.js").size(), 1U);
    EXPECT_EQ(setActive("3"), 400);
    EXPECT_EQ(nlohmann::json::parse(httplib::Client("127.0.0.1", sim().port()).Get("/admin/storms")->body)["active"],
              1);
}

}  // namespace
}  // namespace qovsim
