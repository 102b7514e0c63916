#include "app/maps/animation/QOVAnimationRendererCALayer.h"
#include "app/maps/animation/QOVAnimationRendererImageView.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/gfx/BitmapContext.h"

namespace qov {
namespace {

using platform::gfx::Color;
using platform::gfx::Point;

platform::Data solidTile(const Color& color) {
    platform::gfx::BitmapContext context(256, 256);
    context.fillRect(platform::gfx::Rect(0, 0, 256, 256), color);
    return *context.makeImage()->pngData();
}

TEST(QOVAnimationRendererTest, ZoomLevelsOffsetsAndImageScales) {
    struct Case {
        float zoomScale;
        int level;
        float imageScale;
    };
    for (const Case& test : {Case{1.0F / 256.0F, 12, 1.0F}, Case{1.0F, 20, 1.0F}, Case{0.7F, 19, 0.5F / 0.7F},
                             Case{1e-12F, 0, float(std::exp2(-20.0) / 1e-12)}}) {
        EXPECT_EQ(QOVAnimationRenderer::zoomScaleToZoomLevel(test.zoomScale), test.level) << test.zoomScale;
        EXPECT_FLOAT_EQ(QOVAnimationRenderer::imageScaleforZoomScale(test.zoomScale), test.imageScale);
    }
    const Point pixels = QOVAnimationRenderer::adjustOffset(Point{-25600, -512}, 1.0F / 256.0F);
    EXPECT_EQ(pixels.x, -100);
    EXPECT_EQ(pixels.y, -2);
}

TEST(QOVAnimationRendererTest, TilesAreStitchedRowByRowAndCutWhereTheVisibleMapStarts) {
    QOVAnimationRendererImageView renderer(platform::gfx::Rect(0, 0, 300, 200));
    const Color red = Color::rgba(1, 0, 0), green = Color::rgba(0, 1, 0), blue = Color::rgba(0, 0, 1);
    // Two rows of two; the bottom-left tile is missing, the last one comes decoded already. The visible map starts
    // 100 pixels into the first tile.
    const QOVAnimationRenderer::FrameData frame{solidTile(red), solidTile(green), std::nullopt,
                                                platform::gfx::Image::fromPNGData(solidTile(blue))};
    const auto image = renderer.imageFromFrameData(frame, 2, 1.0F / 256.0F, Point{-25600, -25600});
    ASSERT_EQ(image->pixelWidth(), 300);
    ASSERT_EQ(image->pixelHeight(), 200);
    struct Sample {
        int x;
        int y;
        Color color;
    };
    for (const Sample& sample :
         {Sample{0, 0, red}, Sample{155, 155, red}, Sample{156, 0, green}, Sample{299, 155, green},
          Sample{0, 156, Color::rgba(0, 0, 0, 0)}, Sample{156, 199, blue}}) {
        EXPECT_EQ(image->bitmap()->pixel(sample.x, sample.y), sample.color) << sample.x << "," << sample.y;
    }
}

TEST(QOVAnimationRendererTest, AFrameWithoutTilesIsClearAndTheVisibleSize) {
    QOVAnimationRendererImageView renderer(platform::gfx::Rect(0, 0, 320, 367));
    // At a zoom scale between levels the image has the level's pixels but the view's size in points.
    for (const auto& [frame, rows] : {std::pair{QOVAnimationRenderer::FrameData{}, 0U},
                                      std::pair{QOVAnimationRenderer::FrameData{std::nullopt, std::nullopt}, 1U}}) {
        const auto image = renderer.imageFromFrameData(frame, rows, 0.7F, Point{});
        EXPECT_NEAR(image->size().width, 320, 1);
        EXPECT_NEAR(image->size().height, 367, 1);
        EXPECT_EQ(image->bitmap()->pixel(image->pixelWidth() / 2, image->pixelHeight() / 2).alpha, 0);
    }
}

TEST(QOVAnimationRendererTest, RenderersShowFramesInAnImageViewWithTheOverlayAlphaOrAsTheirLayer) {
    QOVAnimationRendererImageView renderer(platform::gfx::Rect(0, 0, 320, 367));
    EXPECT_TRUE(renderer.isHidden());
    EXPECT_FALSE(renderer.isUserInteractionEnabled());
    renderer.setOverlayAlpha(0.6);
    EXPECT_EQ(renderer.imageView()->alpha(), 0.6);
    const auto frame = renderer.nativeDataFromFrameData({}, 0, 1.0F, Point{}, 3);
    renderer.displayNativeFrame(frame);
    EXPECT_FALSE(renderer.isHidden());
    EXPECT_EQ(renderer.imageView()->image(), frame);

    QOVAnimationRendererCALayer layered(platform::gfx::Rect(0, 0, 320, 367));
    layered.displayNativeFrame(frame);
    EXPECT_FALSE(layered.isHidden());
    EXPECT_EQ(layered.layer().contents, frame->bitmap());
}

}  // namespace
}  // namespace qov
