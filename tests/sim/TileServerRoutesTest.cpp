#include "sim/TileServerRoutes.h"

#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <regex>

#include "sim/TileSchedule.h"
#include "tests/sim/ServiceRoutesFixture.h"

namespace qovsim {
namespace {

class TileServerRoutesTest : public qovtest::ServiceRoutesFixture {
protected:
    struct Picture {
        int width = 0;
        int height = 0;
        std::vector<std::uint32_t> pixels;  // premultiplied ARGB words, row by row
        std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    };

    httplib::Result fetch(const std::string& path) {
        httplib::Client client("127.0.0.1", sim().port());
        client.set_read_timeout(20);
        return client.Get(path);
    }

    Picture picture(const std::string& path) {
        auto response = fetch(path);
        EXPECT_TRUE(response && response->status == 200) << path;
        Picture result;
        if (!response) {
            return result;
        }
        std::string_view rest = response->body;
        cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(
            [](void* closure, unsigned char* data, unsigned int length) {
                auto* remaining = static_cast<std::string_view*>(closure);
                if (remaining->size() < length) {
                    return CAIRO_STATUS_READ_ERROR;
                }
                std::copy_n(remaining->data(), length, data);
                remaining->remove_prefix(length);
                return CAIRO_STATUS_SUCCESS;
            },
            &rest);
        if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
            result.width = cairo_image_surface_get_width(surface);
            result.height = cairo_image_surface_get_height(surface);
            const int stride = cairo_image_surface_get_stride(surface);
            const unsigned char* data = cairo_image_surface_get_data(surface);
            for (int y = 0; y < result.height; ++y) {
                const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
                result.pixels.insert(result.pixels.end(), row, row + result.width);
            }
        }
        cairo_surface_destroy(surface);
        return result;
    }

    static int channelDistance(std::uint32_t a, std::uint32_t b) {
        int distance = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            distance += std::abs(static_cast<int>((a >> shift) & 0xff) - static_cast<int>((b >> shift) & 0xff));
        }
        return distance;
    }

    // The newest radar series date at the fixture's time.
    static std::string newestRadarDate() { return TileSchedule::layersAt(kStartTime).front().series.front().date; }
};

TEST_F(TileServerRoutesTest, SeriesListFollowsTheClock) {
    auto response = fetch("/TileServer/serieslist.do");
    ASSERT_TRUE(response);
    EXPECT_EQ(response->status, 200);
    const std::string& xml = response->body;
    for (const char* layer : {"<radar ", "<sat ", "<satrad ", "<future_radar_ff ", "<future_clouds_ff ",
                              "<future_satrad_ff "}) {
        EXPECT_NE(xml.find(layer), std::string::npos) << layer;
    }
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
    const Picture left = picture("/TileServer/imgs/satrad/" + date + "/0320023.png");
    const Picture right = picture("/TileServer/imgs/satrad/" + date + "/0320032.png");
    ASSERT_EQ(left.width, 256);
    ASSERT_EQ(left.height, 256);
    ASSERT_EQ(right.width, 256);
    EXPECT_EQ(picture("/TileServer/imgs/satrad/" + date + "/0320023.png").pixels, left.pixels);

    long long seam = 0;
    long long across = 0;
    for (int y = 0; y < 256; ++y) {
        seam += channelDistance(left.at(255, y), right.at(0, y));
        across += channelDistance(left.at(0, y), right.at(255, y));
    }
    EXPECT_LT(seam * 4, across);

    const Picture later = picture("/TileServer/ff/future_satrad_ff/" + date + "/202701151000/0320023.png");
    EXPECT_NE(later.pixels, left.pixels);
}

TEST_F(TileServerRoutesTest, UnknownLayersDatesAndQuadKeysAreNotFound) {
    const std::string date = newestRadarDate();
    for (const std::string& path : std::vector<std::string>{"/TileServer/imgs/snow/" + date + "/0320.png",
                                   std::string("/TileServer/imgs/radar/202702300000/0320.png"),
                                   "/TileServer/imgs/radar/" + date + "/0324.png",
                                   "/TileServer/imgs/radar/" + date + "/.png",
                                   "/TileServer/ff/future_radar_ff/x/" + date + "/0320.png"}) {
        auto response = fetch(path);
        ASSERT_TRUE(response) << path;
        EXPECT_EQ(response->status, 404) << path;
    }
}

TEST_F(TileServerRoutesTest, FaultsApplyToTiles) {
    sim().faults().add(Fault{.pathPattern = "/TileServer/imgs/*", .status = 503});
    EXPECT_EQ(fetch("/TileServer/imgs/radar/" + newestRadarDate() + "/0320.png")->status, 503);
    EXPECT_EQ(fetch("/TileServer/serieslist.do")->status, 200);
}

}  // namespace
}  // namespace qovsim
