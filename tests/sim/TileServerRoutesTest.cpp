#include "sim/TileServerRoutes.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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
        return response
                   ? platform::gfx::Image::fromPNGData(platform::Data(response->body.begin(), response->body.end()))
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
             "/TileServer/imgs/hail/" + date + "/0320.png", "/TileServer/imgs/radar/202702300000/0320.png",
             "/TileServer/imgs/radar/" + date + "/0324.png", "/TileServer/imgs/radar/" + date + "/0/.png",
             "/TileServer/ff/future_radar_ff/x/" + date + "/0320.png"}) {
        EXPECT_EQ(fetch(path)->status, 404) << path;
    }
}

TEST_F(TileServerRoutesTest, ForecastFramesComeLatestFirstAndEveryMapLayerIsListed) {
    const std::string xml = fetch("/TileServer/serieslist.do")->body;
    for (const char* layer : {"radar", "eurorad", "sat", "satrad", "temp", "feelslike", "rain", "snow", "uv",
                              "future_radar_ff", "future_satrad_ff", "future_rain_ff", "future_snow_ff"}) {
        EXPECT_NE(xml.find("<" + std::string(layer) + " "), std::string::npos) << layer;
    }
    for (const TileSchedule::Layer& layer : TileSchedule::layersAt(kStartTime)) {
        for (const TileSchedule::Series& series : layer.series) {
            for (std::size_t index = 1; index < series.frames.size(); ++index) {
                EXPECT_GT(series.frames[index - 1].time, series.frames[index].time) << layer.type;
            }
        }
    }
    // The run of 07:00 UTC: its last frame (the first listed) is 2.5 hours later.
    EXPECT_NE(xml.find("<series date=\"202701150700\" unixDate=\"1799996400000\">\n<ff date=\"202701150930\""),
              std::string::npos);
}

TEST_F(TileServerRoutesTest, WeatherLayersShowTheirScalesOverTheWorldAndEuropeanRadarOnlyOverEurope) {
    // The opaque share of a tile, and its mean colour.
    struct Coverage {
        double opaque = 0.0;
        platform::gfx::Color mean{0, 0, 0, 0};
    };
    const auto coverage = [this](const std::string& path) {
        Coverage result;
        const auto image = picture(path);
        if (!image) {
            return result;
        }
        int count = 0;
        for (int y = 0; y < 256; y += 4) {
            for (int x = 0; x < 256; x += 4) {
                const auto colour = image->pixel(x, y);
                if (colour.alpha > 0.05) {
                    ++count;
                    result.mean.red += colour.red;
                    result.mean.green += colour.green;
                    result.mean.blue += colour.blue;
                }
            }
        }
        result.opaque = count / 4096.0;
        if (count > 0) {
            result.mean = {result.mean.red / count, result.mean.green / count, result.mean.blue / count, 1.0};
        }
        return result;
    };
    const std::string hour = "202701150700";
    // Level 4: "0320" holds the south-eastern United States, "0313" western Europe, "0" the north-western
    // quarter of the world, "" the whole world.
    const auto temperature = coverage("/TileServer/imgs/temp/" + hour + "/0320.png");
    EXPECT_GT(temperature.opaque, 0.99);
    EXPECT_GT(coverage("/TileServer/imgs/feelslike/" + hour + "/0313.png").opaque, 0.99);
    EXPECT_GT(coverage("/TileServer/imgs/uv/" + hour + "/0313.png").opaque, 0.99);
    EXPECT_GT(coverage("/TileServer/imgs/rain/" + hour + "/0.png").opaque, 0.02);
    EXPECT_GT(coverage("/TileServer/imgs/snow/" + hour + "/0.png").opaque, 0.02);
    EXPECT_GT(coverage("/TileServer/ff/future_rain_ff/" + hour + "/202701151200/0.png").opaque, 0.02);
    // A winter night in the south-east: green to yellow, not purple nor red.
    EXPECT_GT(temperature.mean.green, temperature.mean.blue);
    EXPECT_GT(temperature.mean.green, 0.4);
    const std::string date = newestRadarDate();
    EXPECT_GT(coverage("/TileServer/imgs/eurorad/" + date + "/0313.png").opaque, 0.02);
    EXPECT_EQ(coverage("/TileServer/imgs/eurorad/" + date + "/0320.png").opaque, 0.0);
    EXPECT_GT(coverage("/TileServer/imgs/radar/" + date + "/.png").opaque, 0.02);
}

TEST_F(TileServerRoutesTest, CloudsGoFromGreyToWhiteWithSoftEdgesAndStandOutOverPaleLand) {
    std::string date;
    for (const TileSchedule::Layer& layer : TileSchedule::layersAt(kStartTime)) {
        if (layer.type == "sat") {
            date = layer.series.front().date;
        }
    }
    // Level 2: North America's south-east and the western Atlantic.
    const auto image = picture("/TileServer/imgs/sat/" + date + "/03.png");
    ASSERT_TRUE(image);
    // The base map's land under the maps screen's overlay opacity.
    const platform::gfx::Color land{0.94, 0.92, 0.85, 1.0};
    constexpr double kOverlayAlpha = 0.75;
    int samples = 0;
    int standingOut = 0;
    int edges = 0;
    double darkest = 1.0;
    double brightest = 0.0;
    for (int y = 0; y < 256; y += 2) {
        for (int x = 0; x < 256; x += 2) {
            const auto colour = image->pixel(x, y);
            ++samples;
            const double shade = (colour.red + colour.green + colour.blue) / 3.0;
            if (colour.alpha > 0.8) {
                darkest = std::min(darkest, shade);
                brightest = std::max(brightest, shade);
            } else if (colour.alpha > 0.05) {
                ++edges;
            }
            const double cover = colour.alpha * kOverlayAlpha;
            const double shown = shade * cover + (land.red + land.green + land.blue) / 3.0 * (1.0 - cover);
            standingOut += std::fabs(shown - (land.red + land.green + land.blue) / 3.0) > 0.06 ? 1 : 0;
        }
    }
    EXPECT_LT(darkest, 0.7);
    EXPECT_GT(brightest, 0.9);
    EXPECT_GT(edges, samples / 50);
    EXPECT_GT(standingOut, samples / 5);
}

TEST_F(TileServerRoutesTest, CloudsAreThickWhereverTheRadarShowsRain) {
    // The radar's and the clouds' tiles of the same time: every sixth of the radar's two hours of series (those
    // between the clouds' quarter hours too), and frames of a forecast run.
    std::vector<std::pair<std::string, std::string>> paths;  // radar, clouds
    const auto radarSeries = TileSchedule::layersAt(kStartTime).front().series;
    for (std::size_t index = 0; index < radarSeries.size(); index += 6) {
        const std::string& date = radarSeries[index].date;
        paths.emplace_back("/TileServer/imgs/radar/" + date, "/TileServer/imgs/sat/" + date);
    }
    for (const char* frame : {"202701150630", "202701150800", "202701150930"}) {
        paths.emplace_back(std::string("/TileServer/ff/future_radar_ff/202701150700/") + frame,
                           std::string("/TileServer/ff/future_clouds_ff/202701150700/") + frame);
    }
    ASSERT_EQ(paths.front().first, "/TileServer/imgs/radar/202701150755");
    ASSERT_EQ(paths.size(), 7U);
    int rainy = 0;
    // Level 7 over London, and over the south-eastern United States.
    for (const char* quadKey : {"/0313131.png", "/0320023.png"}) {
        for (const auto& [radarPath, cloudsPath] : paths) {
            const auto radar = picture(radarPath + quadKey);
            const auto clouds = picture(cloudsPath + quadKey);
            ASSERT_TRUE(radar && clouds);
            for (int y = 0; y < 256; y += 8) {
                for (int x = 0; x < 256; x += 8) {
                    if (radar->pixel(x, y).alpha == 0.0) {
                        continue;
                    }
                    ++rainy;
                    // Cloud as opaque as it gets (0.85), and thicker than the scale's middle grey (0.7).
                    const auto cloud = clouds->pixel(x, y);
                    ASSERT_GT(cloud.alpha, 0.8) << cloudsPath << quadKey << " at " << x << ", " << y;
                    ASSERT_GT((cloud.red + cloud.green + cloud.blue) / 3.0, 0.7) << cloudsPath << quadKey;
                }
            }
        }
    }
    EXPECT_GT(rainy, 2000) << "rain over a good part of the samples";
}

}  // namespace
}  // namespace qovsim
