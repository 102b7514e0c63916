#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <cairo.h>
#include <gtest/gtest.h>
#include <spng.h>

#include "platform/gfx/BitmapContext.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Image.h"
#include "platform/gfx/PngCheck.h"
#include "tests/support/LogCapture.h"
#include "tests/support/PngSamples.h"

namespace platform::gfx {
namespace {

using qovtest::PngSamples;

// PNG bytes of the given colour type made by the PNG library itself, so decoding meets every kind a service
// may send: grey, grey with alpha, a palette with transparency, 16 bits per channel.
Data encodedAs(std::uint32_t width, std::uint32_t height, std::uint8_t colourType, std::uint8_t depth,
               const std::vector<std::uint8_t>& rows, const std::vector<spng_plte_entry>& palette = {},
               const std::vector<std::uint8_t>& transparency = {}) {
    std::unique_ptr<spng_ctx, decltype(&spng_ctx_free)> context(spng_ctx_new(SPNG_CTX_ENCODER), spng_ctx_free);
    spng_set_option(context.get(), SPNG_ENCODE_TO_BUFFER, 1);
    spng_ihdr header{width, height, depth, colourType, 0, 0, 0};
    spng_set_ihdr(context.get(), &header);
    if (!palette.empty()) {
        spng_plte plte{};
        plte.n_entries = static_cast<std::uint32_t>(palette.size());
        std::copy(palette.begin(), palette.end(), plte.entries);
        spng_set_plte(context.get(), &plte);
    }
    if (!transparency.empty()) {
        spng_trns trns{};
        trns.n_type3_entries = static_cast<std::uint32_t>(transparency.size());
        std::copy(transparency.begin(), transparency.end(), trns.type3_alpha);
        spng_set_trns(context.get(), &trns);
    }
    std::vector<std::uint8_t> copy = rows;
    EXPECT_EQ(spng_encode_image(context.get(), copy.data(), copy.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE), 0);
    std::size_t length = 0;
    int error = 0;
    auto* bytes = static_cast<std::uint8_t*>(spng_get_png_buffer(context.get(), &length, &error));
    Data data(bytes, bytes + length);
    std::free(bytes);
    return data;
}

TEST(PngCheckTest, RefusesWhatIsNoWholePngOrLargerThanTheBoundsWithoutDecoding) {
    const Data tile = PngSamples::picture(256, 256);
    Data trailing = tile;
    trailing.push_back(0);
    const Data truncated(tile.begin(), tile.end() - 1);
    struct Case {
        Data data;
        std::optional<std::string> problem;
    };
    const std::vector<Case> cases{
        {tile, std::nullopt},
        {Data{'r', 'a', 'n', 'd', 'o', 'm', ' ', 'b', 'y', 't', 'e', 's'}, "no PNG signature"},
        {{}, "no PNG signature"},
        {Data(tile.begin(), tile.begin() + 8), "no PNG header chunk"},
        {truncated, "the PNG stream is cut short"},
        {trailing, "bytes follow the end of the PNG stream"},
        {PngSamples::declaring(257, 256), "the picture is 257 x 256 pixels, more than 256 x 256"},
        {PngSamples::declaring(0x7fffffff, 0x7fffffff),
         "the picture is 2147483647 x 2147483647 pixels, more than 256 x 256"},
        {PngSamples::declaring(0, 16), "the picture has no pixels"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.problem.value_or("a whole tile"));
        EXPECT_EQ(PngCheck::problem(test.data, PngBounds::tile()), test.problem);
    }
    EXPECT_EQ(PngCheck::problem(PngSamples::declaring(2048, 2048), PngBounds::serviceImage()), std::nullopt);
}

TEST(PngCodecTest, AHostileHeaderIsLoggedAsAnUndecodablePictureNotAsMemoryRunningOut) {
    const qovtest::LogCapture log;
    EXPECT_EQ(Image::fromPNGData(PngSamples::declaring(60000, 60000)), nullptr);
    EXPECT_EQ(Image::fromPNGData(Data(4096, 0xab), PngBounds::tile()), nullptr);
    EXPECT_TRUE(
        log.contains("Cannot decode the PNG image data: the picture is 60000 x 60000 pixels, more than "
                     "2048 x 2048"));
    EXPECT_TRUE(log.contains("Cannot decode the PNG image data: no PNG signature"));
    EXPECT_FALSE(log.contains("memory"));
    // The header is right but the pixels are not: the library's own checks refuse it.
    Data corrupt = PngSamples::picture(16, 16);
    corrupt[corrupt.size() - 20] ^= 0xff;
    EXPECT_EQ(Image::fromPNGData(corrupt), nullptr);
}

TEST(PngCodecTest, EveryColourTypeDecodesToPremultipliedPixels) {
    struct Case {
        const char* name;
        Data png;
        Color first;
        Color second;
    };
    const std::vector<Case> cases{
        {"grey", encodedAs(2, 1, SPNG_COLOR_TYPE_GRAYSCALE, 8, {0, 255}), Color::rgba(0, 0, 0), Color::rgba(1, 1, 1)},
        {"grey and alpha", encodedAs(2, 1, SPNG_COLOR_TYPE_GRAYSCALE_ALPHA, 8, {255, 255, 0, 0}), Color::rgba(1, 1, 1),
         Color::clear()},
        {"palette with transparency",
         encodedAs(2, 1, SPNG_COLOR_TYPE_INDEXED, 8, {0, 1}, {{255, 0, 0, 0}, {0, 0, 255, 0}}, {0, 255}),
         Color::clear(), Color::rgba(0, 0, 1)},
        {"16 bits", encodedAs(1, 1, SPNG_COLOR_TYPE_TRUECOLOR_ALPHA, 16, {0, 0, 0xff, 0xff, 0, 0, 0xff, 0xff}),
         Color::rgba(0, 1, 0), Color::clear()},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const auto image = Image::fromPNGData(test.png);
        ASSERT_TRUE(image);
        EXPECT_EQ(cairo_image_surface_get_format(image->surface()), CAIRO_FORMAT_ARGB32);
        EXPECT_EQ(image->pixel(0, 0), test.first);
        EXPECT_EQ(image->pixel(1, 0), test.second);
    }
}

TEST(PngCodecTest, EncodingKeepsEveryPixelOpaqueOrTranslucent) {
    for (const double alpha : {1.0, 0.5}) {
        SCOPED_TRACE(alpha);
        BitmapContext context(40, 30);
        context.fillRect(Rect(0, 0, 40, 30), Color::rgba(0.1, 0.5, 0.9, alpha));
        context.drawText("Sunny", Rect(0, 0, 40, 30), Font::systemFont(12), Color::black());
        const auto original = context.makeImage();
        const auto data = original->pngData();
        ASSERT_TRUE(data);
        const auto decoded = Image::fromPNGData(*data);
        ASSERT_TRUE(decoded);
        if (alpha == 1.0) {
            EXPECT_TRUE(decoded->samePixels(*original));
        } else {
            // Premultiplied channels lose a little in the round trip through straight alpha.
            for (int y = 0; y < 30; y += 7) {
                for (int x = 0; x < 40; x += 9) {
                    EXPECT_NEAR(decoded->pixel(x, y).red, original->pixel(x, y).red, 0.02);
                    EXPECT_EQ(decoded->pixel(x, y).alpha, original->pixel(x, y).alpha);
                }
            }
        }
    }
}

}  // namespace
}  // namespace platform::gfx
