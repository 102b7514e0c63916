#include "sim/LegacySeriesList.h"

#include <string>

#include "sim/TileSchedule.h"
#include "tests/sim/ServiceRoutesFixture.h"

namespace qovsim {
namespace {

class LegacySeriesListTest : public qovtest::ServiceRoutesFixture {
protected:
    static std::size_t occurrences(const std::string& text, const std::string& part) {
        std::size_t count = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++count;
        }
        return count;
    }
};

TEST_F(LegacySeriesListTest, CountAsksForTheOlderFormWithAtMostThatManySeries) {
    const std::string xml = get("/TileServer/serieslist.do?count=2")->body;
    EXPECT_NE(xml.find("<tiles timestamp=\"202701150800\" localZone=\"EST\" offset=\"0\">\n<seriesInfo>"),
              std::string::npos);
    EXPECT_NE(xml.find("<eurorad maxZoom=\"12\" native=\"1\" nativeZoom=\"7\">\n<series date=\"202701150755\" "
                       "unixDate=\"1799999700000\">"),
              std::string::npos);
    // The layers of the newer list, two series each.
    EXPECT_EQ(occurrences(xml, "<series "), 2 * TileSchedule::layersAt(kStartTime).size());
    EXPECT_NE(xml.find("offset=\"-30\" isPast=\"true\""), std::string::npos);
    EXPECT_EQ(get("/TileServer/serieslist.do")->body.find("seriesInfo"), std::string::npos);
}

TEST_F(LegacySeriesListTest, TilesAnswerUnixDatesOfWholeMinutes) {
    struct Case {
        const char* path;
        int status;
    };
    const Case cases[] = {
        {"/TileServer/imgs/eurorad/u1799999700000/0231.png", 200},
        {"/TileServer/ff/future_radar_ff/u1800000000000/u1800000900000/0231.png", 200},
        {"/TileServer/imgs/radar/u1799999700001/0231.png", 404},
        {"/TileServer/imgs/radar/u/0231.png", 404},
        {"/TileServer/imgs/radar/u1799999700000000000/0231.png", 404},
        {"/TileServer/imgs/radar/u-60000/0231.png", 404},
    };
    for (const Case& each : cases) {
        const auto response = get(each.path);
        EXPECT_EQ(response ? response->status : 0, each.status) << each.path;
    }
}

}  // namespace
}  // namespace qovsim
