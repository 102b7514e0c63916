#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "platform/gfx/BitmapContext.h"

namespace platform::gfx {
namespace {

std::shared_ptr<Image> solidTile(const Color& color) {
    BitmapContext tile(256, 256);
    tile.fillRect(Rect(0, 0, 256, 256), color);
    return tile.makeImage();
}

bool near(double a, double b) { return std::abs(a - b) < 0.02; }

TEST(BitmapContextTest, CompositesTilesOntoATransparentCanvas) {
    BitmapContext canvas(600, 300);
    canvas.drawImage(*solidTile(Color::rgba(1, 0, 0)), Point{0, 0});
    canvas.drawImage(*solidTile(Color::rgba(0, 0, 1)), Point{256, 0});
    const auto image = canvas.makeImage();
    EXPECT_EQ(image->pixel(10, 10), Color::rgba(1, 0, 0));
    EXPECT_EQ(image->pixel(255, 255), Color::rgba(1, 0, 0));
    EXPECT_EQ(image->pixel(256, 0), Color::rgba(0, 0, 1));
    EXPECT_EQ(image->pixel(511, 100), Color::rgba(0, 0, 1));
    EXPECT_EQ(image->pixel(520, 10), Color::clear());
    EXPECT_EQ(image->pixel(10, 280), Color::clear());
}

TEST(BitmapContextTest, DrawsImagesWithAlphaAndScaling) {
    BitmapContext canvas(20, 20);
    canvas.drawImage(*solidTile(Color::rgba(0, 1, 0)), Rect(0, 0, 10, 10), 0.5);
    const auto image = canvas.makeImage();
    const Color half = image->pixel(5, 5);
    EXPECT_TRUE(near(half.alpha, 0.5)) << half.alpha;
    EXPECT_TRUE(near(half.green, 1.0));
    EXPECT_EQ(image->pixel(12, 12), Color::clear());
}

TEST(BitmapContextTest, LayersCompositeWithTheirAlpha) {
    BitmapContext canvas(4, 4);
    canvas.fillRect(Rect(0, 0, 4, 4), Color::white());
    canvas.beginLayer();
    canvas.fillRect(Rect(0, 0, 2, 4), Color::black());
    canvas.endLayer(0.5);
    const auto image = canvas.makeImage();
    EXPECT_TRUE(near(image->pixel(0, 0).red, 0.5));
    EXPECT_EQ(image->pixel(3, 0), Color::white());
}

TEST(BitmapContextTest, ClipAndTranslateLimitDrawing) {
    BitmapContext canvas(10, 10);
    canvas.save();
    canvas.translate(5, 5);
    canvas.clip(Rect(0, 0, 2, 2));
    canvas.fillRect(Rect(-5, -5, 20, 20), Color::black());
    canvas.restore();
    const auto image = canvas.makeImage();
    EXPECT_EQ(image->pixel(6, 6), Color::black());
    EXPECT_EQ(image->pixel(4, 4), Color::clear());
    EXPECT_EQ(image->pixel(8, 8), Color::clear());
}

TEST(BitmapContextTest, TextInksOnlyInsideItsRect) {
    BitmapContext canvas(200, 60);
    canvas.drawText("Hello", Rect(10, 10, 100, 30), Font::systemFont(20), Color::black());
    const auto image = canvas.makeImage();
    int inked = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (image->pixel(x, y).alpha > 0.0) {
                ++inked;
                EXPECT_TRUE(Rect(10, 10, 100, 30).contains(Point{double(x), double(y)})) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inked, 50);
}

TEST(BitmapContextTest, PolygonsFillFromThreePointsWithHardEdges) {
    BitmapContext canvas(40, 20);
    canvas.fillPolygons({{{2, 2}, {18, 2}, {2, 18}},  // a triangle: the smallest polygon
                         {},                          // an empty one is skipped
                         {{22, 2}, {38, 2}, {38, 18}, {22, 18}}},
                        Color::black());
    const auto image = canvas.makeImage();
    EXPECT_EQ(image->pixel(4, 4), Color::black());
    EXPECT_EQ(image->pixel(16, 16), Color::clear());  // beyond the triangle's long side
    EXPECT_EQ(image->pixel(30, 10), Color::black());
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            const double alpha = image->pixel(x, y).alpha;
            EXPECT_TRUE(alpha == 0.0 || alpha == 1.0) << x << "," << y;  // no smoothed edge
        }
    }
}

int inkedColumns(const Image& image) {
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y).alpha > 0.0) {
                last = x;
            }
        }
    }
    return last + 1;
}

TEST(BitmapContextTest, ANulInsideTheTextCutsNothingOff) {
    using namespace std::string_literals;
    const Font font = Font::systemFont(17);
    const std::string withNul = "Sunny\0 and warm"s;
    EXPECT_DOUBLE_EQ(font.sizeOfText(withNul).width, font.sizeOfText("Sunny and warm").width);
    const auto drawn = [&](const std::string& text) {
        BitmapContext canvas(300, 40);
        canvas.drawText(text, Rect(0, 0, 300, 40), font, Color::black());
        return canvas.makeImage();
    };
    EXPECT_TRUE(drawn(withNul)->samePixels(*drawn("Sunny and warm")));
}

TEST(BitmapContextTest, LongTextEndsInAnEllipsisUnlessClipped) {
    const Font font = Font::systemFont(17);
    const std::string text = "Clouds giving way to sunshine éééé later";
    const double ellipsis = font.sizeOfText("\u2026").width;
    BitmapContext truncating(100, 30);
    truncating.drawText(text, Rect(0, 0, 100, 30), font, Color::black());
    BitmapContext clipping(100, 30);
    clipping.drawText(text, Rect(0, 0, 100, 30), font, Color::black(), TextAlignment::Left, 1, false);
    // The clipped line runs to the edge; the truncated one stops short of it, ending in the ellipsis.
    EXPECT_GE(inkedColumns(*clipping.makeImage()), 95);
    EXPECT_LE(inkedColumns(*truncating.makeImage()), 100);
    EXPECT_GT(inkedColumns(*truncating.makeImage()), 100 - 2 * ellipsis - 20);
    BitmapContext narrow(12, 30);
    narrow.drawText("éééé", Rect(0, 0, 12, 30), font, Color::black());
    EXPECT_LE(inkedColumns(*narrow.makeImage()), 12);
}

}  // namespace
}  // namespace platform::gfx
