#include "sim/PointsOfInterestRoutes.h"

#include <set>
#include <string>

#include "sim/LandMask.h"
#include "tests/sim/ServiceRoutesFixture.h"

namespace qovsim {
namespace {

class PointsOfInterestRoutesTest : public qovtest::ServiceRoutesFixture {};

// The tile of Atlanta at level 10 and its bounds.
constexpr const char* kAtlantaTile = "0320023113";
constexpr double kNorth = 34.016241889667015;
constexpr double kSouth = 33.72433966174759;
constexpr double kWest = -84.7265625;
constexpr double kEast = -84.375;

TEST_F(PointsOfInterestRoutesTest, CitiesOfTheTileComeWithGeneratedPointsInsideIt) {
    const auto points = getJson(std::string("/wxdata/wxdata/bytile/get.js?what=1&where=") + kAtlantaTile);
    ASSERT_TRUE(points.is_array());
    ASSERT_GE(points.size(), 3U);
    EXPECT_EQ(points[0]["id"], "USGA0028");
    std::set<std::string> ids;
    for (const auto& point : points) {
        EXPECT_EQ(point["locType"], 1);
        for (const char* text : {"id", "dnam", "lat", "lng", "last_updated", "severe", "tmp"}) {
            ASSERT_TRUE(point[text].is_string()) << text;
        }
        const double latitude = std::stod(point["lat"].get<std::string>());
        const double longitude = std::stod(point["lng"].get<std::string>());
        EXPECT_TRUE(latitude <= kNorth && latitude > kSouth) << latitude;
        EXPECT_TRUE(longitude >= kWest && longitude < kEast) << longitude;
        EXPECT_EQ(point["last_updated"], "2027-01-15 08:00");
        ids.insert(point["id"].get<std::string>());
    }
    EXPECT_EQ(ids.size(), points.size());
}

TEST_F(PointsOfInterestRoutesTest, EveryKindHasPointsAndAnswersAreRepeatable) {
    for (int type : {5, 9, 17, 19, 21}) {
        const std::string path = "/wxdata/wxdata/bytile/get.js?what=" + std::to_string(type) + "&where=03200231";
        const auto points = getJson(path);
        ASSERT_GE(points.size(), 2U) << type;
        EXPECT_EQ(points[0]["locType"], type);
        EXPECT_EQ(getJson(path), points);
    }
    for (const char* what : {"2", "x"}) {
        EXPECT_EQ(getJson(std::string("/wxdata/wxdata/bytile/get.js?where=03200231&what=") + what),
                  nlohmann::json::array())
            << what;
    }
}

// The quadkey of a level-10 tile.
std::string quadKeyOf(int x, int y) {
    std::string key;
    for (int bit = 9; bit >= 0; --bit) {
        key += static_cast<char>('0' + ((x >> bit) & 1) + 2 * ((y >> bit) & 1));
    }
    return key;
}

TEST_F(PointsOfInterestRoutesTest, NamesDifferAmongEightByEightTilesAndMadeUpPointsStandOnLand) {
    // Eight by eight level-10 tiles from the Everglades to Miami (tile 283, 436) and Biscayne Bay, not lined up
    // with the numbering's blocks.
    for (int type : {1, 19}) {
        std::set<std::string> names;
        std::size_t madeUp = 0;
        for (int x = 276; x < 284; ++x) {
            for (int y = 433; y < 441; ++y) {
                const std::string where = quadKeyOf(x, y);
                for (const auto& point :
                     getJson("/wxdata/wxdata/bytile/get.js?what=" + std::to_string(type) + "&where=" + where)) {
                    const std::string name = point["dnam"].get<std::string>();
                    EXPECT_TRUE(names.insert(name).second) << name << " again in " << where;
                    if (point["id"].get<std::string>().find('-') != std::string::npos) {
                        ++madeUp;
                        EXPECT_TRUE(LandMask::shared().isLand(std::stod(point["lat"].get<std::string>()),
                                                              std::stod(point["lng"].get<std::string>())))
                            << name << " in " << where;
                    }
                }
            }
        }
        EXPECT_GT(madeUp, 64U) << type;
        EXPECT_EQ(names.contains("Miami"), type == 1) << type;
    }
    // A tile of the open Atlantic has none.
    EXPECT_EQ(getJson("/wxdata/wxdata/bytile/get.js?what=1&where=0330201330"), nlohmann::json::array());
}

TEST_F(PointsOfInterestRoutesTest, AQuadkeyThatNamesNoTileAnswersTheErrorRecord) {
    for (const char* where : {"", "0324", "x", "012301230123012301230123"}) {
        EXPECT_EQ(getJson(std::string("/wxdata/wxdata/bytile/get.js?what=1&where=") + where)["class"], "error")
            << where;
    }
    EXPECT_TRUE(isKeyRefusal(get("/wxdata/wxdata/bytile/get.js?what=1&where=0", "bad")));
}

}  // namespace
}  // namespace qovsim
