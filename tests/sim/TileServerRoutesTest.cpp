#include "sim/TileServerRoutes.h"

#include <cmath>
#include <memory>

#include "platform/gfx/Image.h"
#include "sim/TileSchedule.h"
#include "tests/sim/ServiceRoutesFixture.h"

namespace qovsim {
namespace {

class TileServerRoutesTest : public qovtest::ServiceRoutesFixture {
protected:
    httplib::Result fetch(const std::string& path) {
        httplib::Client client("127.0.0.1", sim().port());
        client.set_read_timeout(20);
        return client.Get(path);
    }
    std::shared_ptr<platform::gfx::Image> picture(const std::string& path) {
        auto response = fetch(path);
        EXPECT_TRUE(response && response->status == 200) << path;
        return response ? platform::gfx::Image::fromPNGData(platform::Data(response->body.begin(), response->body.end()))
                        : nullptr;
    }
    static double distance(const platform::gfx::Color& a, const platform::gfx::Color& b) {
        return std::fabs(a.red * a.alpha - b.red * b.alpha) + std::fabs(a.green * a.alpha - b.green * b.alpha) +
               std::fabs(a.blue * a.alpha - b.blue * b.alpha) + std::fabs(a.alpha - b.alpha);
    }
    // The newest radar series date at the fixture's time.
    static std::string newestRadarDate() { return TileSchedule::layersAt(kStartTime).front().series.front().date; }
};

TEST_F(TileServerRoutesTest, SeriesListFollowsTheClock) {
    const std::string xml = fetch("/TileServer/serieslist.do")->body;
    // 08:00 UTC: the newest radar series is five minutes old, the forecast runs carry past and future frames.
    EXPECT_NE(xml.find("<radar maxZoom=\"12\" native=\"1\" nativeZoom=\"7\">\n<series date=\"202701150755\" "
                       "unixDate=\"1799999700000\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("isPast=\"true\""), std::string::npos);
    EXPECT_NE(xml.find("isPast=\"false\""), std::string::npos);
    clock().advance(3600.0);
    EXPECT_NE(fetch("/TileServer/serieslist.do")->body.find("<series date=\"202701150855\""), std::string::npos);
}

TEST_F(TileServerRoutesTest, TilesAreRepeatablePngsThatMeetAtTheirEdgesAndMoveBetweenFrames) {
    const std::string date = newestRadarDate();
    // Two neighbouring level-7 tiles over the south-eastern United States.
    const auto left = picture("/TileServer/imgs/satrad/" + date + "/0320023.png");
    const auto right = picture("/TileServer/imgs/satrad/" + date + "/0320032.png");
    const auto later = picture("/TileServer/ff/future_satrad_ff/" + date + "/202701151000/0320023.png");
    ASSERT_TRUE(left && right && later);
    EXPECT_EQ(left->width(), 256);
    EXPECT_EQ(left->height(), 256);
    EXPECT_EQ(fetch("/TileServer/imgs/satrad/" + date + "/0320023.png")->body,
              fetch("/TileServer/imgs/satrad/" + date + "/0320023.png")->body);
    double seam = 0;
    double across = 0;
    double moved = 0;
    for (int y = 0; y < 256; ++y) {
        seam += distance(left->pixel(255, y), right->pixel(0, y));
        across += distance(left->pixel(0, y), right->pixel(255, y));
        moved += distance(left->pixel(128, y), later->pixel(128, y));
    }
    EXPECT_LT(seam * 4, across);
    EXPECT_GT(moved, 1.0);
}

TEST_F(TileServerRoutesTest, UnknownLayersDatesAndQuadKeysAreNotFound) {
    const std::string date = newestRadarDate();
    for (const std::string& path : std::vector<std::string>{
             "/TileServer/imgs/snow/" + date + "/0320.png", "/TileServer/imgs/radar/202702300000/0320.png",
             "/TileServer/imgs/radar/" + date + "/0324.png", "/TileServer/imgs/radar/" + date + "/.png",
             "/TileServer/ff/future_radar_ff/x/" + date + "/0320.png"}) {
        EXPECT_EQ(fetch(path)->status, 404) << path;
    }
}

}  // namespace
}  // namespace qovsim
