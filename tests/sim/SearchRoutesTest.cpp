#include "sim/SearchRoutes.h"

#include "tests/sim/ServiceRoutesFixture.h"

namespace qovsim {
namespace {

class SearchRoutesTest : public qovtest::ServiceRoutesFixture {};

TEST_F(SearchRoutesTest, TypeAheadFindsPlacesByNameCityAndPostalCodeOfTheAskedTypes) {
    const auto atlanta = getJson("/wxdata/ta/atl.js?max=10&locType=4,1");
    EXPECT_TRUE(atlanta["errors"].empty());
    ASSERT_FALSE(atlanta["results"].empty());
    const auto& first = atlanta["results"][0];
    EXPECT_EQ(first["key"], "USGA0028");

    const auto postal = getJson("/wxdata/ta/3030.js?max=10&locType=4");
    ASSERT_FALSE(postal["results"].empty());
    for (const auto& result : postal["results"]) {
        EXPECT_EQ(result["type"], 4);
    }
    const auto spaced = getJson("/wxdata/ta/new%20y.js?max=10&locType=4,1");
    ASSERT_FALSE(spaced["results"].empty());
    EXPECT_EQ(spaced["results"][0]["city"], "New York");
}

TEST_F(SearchRoutesTest, ANameFindsPlacesAndAPostalCodeItsEntryOneRowPerPlace) {
    const auto names = [this](const std::string& path) {
        std::vector<std::string> found;
        const auto answer = getJson(path);
        for (const auto& result : answer["results"]) {
            found.push_back(result["name"].get<std::string>() + " " + result["key"].get<std::string>());
        }
        return found;
    };
    EXPECT_EQ(names("/wxdata/ta/atl.js?max=10&locType=4,1"), (std::vector<std::string>{"Atlanta, GA USGA0028"}));
    EXPECT_EQ(names("/wxdata/ta/Bos.js?max=10&locType=4,1"), (std::vector<std::string>{"Boston, MA USMA0046"}));
    EXPECT_EQ(names("/wxdata/ta/10001.js?max=10&locType=4,1"), (std::vector<std::string>{"New York, NY 10001"}));
    EXPECT_EQ(names("/wxdata/ta/021.js?max=10&locType=4,1"), (std::vector<std::string>{"Boston, MA 02108"}));
    EXPECT_TRUE(names("/wxdata/ta/atl.js?max=10&locType=4").empty()) << "a name finds no postal-code entry";
}

TEST_F(SearchRoutesTest, TypeAheadHonoursTheMaximumAndReportsBadParameters) {
    EXPECT_EQ(getJson("/wxdata/ta/a.js?max=2&locType=4,1")["results"].size(), 2U);
    EXPECT_TRUE(getJson("/wxdata/ta/a.js?max=0")["results"].empty());
    EXPECT_TRUE(getJson("/wxdata/ta/zzzz.js?max=10")["results"].empty());
    for (const char* path : {"/wxdata/ta/atl.js?max=ten", "/wxdata/ta/atl.js?locType=4,x"}) {
        const auto answer = getJson(path);
        EXPECT_EQ(answer["errors"].size(), 1U) << path;
        EXPECT_TRUE(answer["results"].empty()) << path;
    }
}

TEST_F(SearchRoutesTest, CoordinatesAnswerTheNearestCitysLocationRecord) {
    const auto near = getJson("/wxdata/loc/get.js?lat=33.800000&lng=-84.300000");
    EXPECT_EQ(near["class"], "location");
    EXPECT_EQ(near["key"], "USGA0028");
    for (const char* path : {"/wxdata/loc/get.js?lat=91&lng=0", "/wxdata/loc/get.js?lat=north&lng=0",
                             "/wxdata/loc/get.js?lat=10", "/wxdata/loc/get.js?lat=nan&lng=0"}) {
        EXPECT_EQ(getJson(path)["class"], "error") << path;
    }
    EXPECT_TRUE(isKeyRefusal(get("/wxdata/loc/get.js?lat=33.8&lng=-84.3", "nope")));
    // Location identifiers stay with the weather routes.
    EXPECT_EQ(getJson("/wxdata/loc/30303:4.js")["key"], "30303");
}

}  // namespace
}  // namespace qovsim
