#include "app/maps/animation/QOVAnimationRenderer.h"

#include <algorithm>
#include <cmath>

#include "platform/base/Exception.h"
#include "platform/gfx/BitmapContext.h"
#include "platform/map/MapRect.h"

namespace qov {

QOVAnimationRenderer::QOVAnimationRenderer(const platform::ui::Rect& frame) : View(frame) {
    setHidden(true);
    setUserInteractionEnabled(false);
}

void QOVAnimationRenderer::displayNativeFrame(const FrameImage&) {
    platform::Exception::raiseAbstractClass("QOVAnimationRenderer", "displayNativeFrame:");
}

QOVAnimationRenderer::FrameImage QOVAnimationRenderer::nativeDataFromFrameData(const FrameData&, std::uint32_t, float,
                                                                               platform::gfx::Point, std::uint32_t) {
    platform::Exception::raiseAbstractClass("QOVAnimationRenderer",
                                            "nativeDataFromFrameData:rowsPerFrame:zoomScale:offset:frameNumber:");
}

int QOVAnimationRenderer::zoomScaleToZoomLevel(float zoomScale) {
    const int worldLevel = int(std::log2(platform::map::kMapWorldWidth / kTilePixels));
    const double level = worldLevel + std::floor(std::log2(double(zoomScale)) + 0.5);
    return std::isfinite(level) && level > 0 ? int(level) : 0;
}

platform::gfx::Point QOVAnimationRenderer::adjustOffset(platform::gfx::Point offset, float zoomScale) {
    const double pointsPerPixel = std::exp2(20 - zoomScaleToZoomLevel(zoomScale));
    return platform::gfx::Point{offset.x / pointsPerPixel, offset.y / pointsPerPixel};
}

float QOVAnimationRenderer::imageScaleforZoomScale(float zoomScale) {
    return float(std::exp2(zoomScaleToZoomLevel(zoomScale) - 20) / double(zoomScale));
}

QOVAnimationRenderer::FrameImage QOVAnimationRenderer::imageFromFrameData(const FrameData& frameData,
                                                                          std::uint32_t rowsPerFrame, float zoomScale,
                                                                          platform::gfx::Point offset) const {
    return stitchTiles(decodeTiles(frameData), rowsPerFrame, zoomScale, offset);
}

QOVAnimationRenderer::TileImages QOVAnimationRenderer::decodeTiles(const FrameData& frameData) {
    TileImages tiles;
    tiles.reserve(frameData.size());
    for (const auto& tile : frameData) {
        tiles.push_back(tile.picture ? tile.picture
                        : tile.png   ? platform::gfx::Image::fromPNGData(*tile.png, platform::gfx::PngBounds::tile())
                                     : nullptr);
    }
    return tiles;
}

QOVAnimationRenderer::FrameImage QOVAnimationRenderer::stitchTiles(const TileImages& tiles, std::uint32_t rowsPerFrame,
                                                                   float zoomScale, platform::gfx::Point offset) const {
    const double scale = imageScaleforZoomScale(zoomScale);
    const bool usableScale = std::isfinite(scale) && scale > 0;
    const auto pixels = [&](double points) { return usableScale ? std::max(1, int(std::lround(points * scale))) : 1; };
    platform::gfx::BitmapContext context(pixels(bounds().width()), pixels(bounds().height()));
    // Drawing each tile at its place shifted by the offset is the stitched picture already cut to the view. Whole
    // pixels: tiles placed between pixels would leave a faint seam where their soft edges meet.
    const platform::gfx::Point shift = adjustOffset(offset, zoomScale);
    const platform::gfx::Point origin{std::round(shift.x), std::round(shift.y)};
    const std::size_t columns = rowsPerFrame == 0 ? 0 : tiles.size() / rowsPerFrame;
    for (std::size_t row = 0; row < rowsPerFrame && columns > 0; ++row) {
        for (std::size_t column = 0; column < columns; ++column) {
            // Tiles are 256 pixels and never overlap on the clear canvas: each is copied into place.
            const auto& tile = tiles[row * columns + column];
            if (tile && tile->width() == kTilePixels && tile->height() == kTilePixels) {
                context.copyImage(*tile, platform::gfx::Point{origin.x + double(column * kTilePixels),
                                                              origin.y + double(row * kTilePixels)});
            } else if (tile) {
                context.drawImage(*tile,
                                  platform::gfx::Rect(origin.x + double(column * kTilePixels),
                                                      origin.y + double(row * kTilePixels), kTilePixels, kTilePixels));
            }
        }
    }
    return std::make_shared<platform::ui::Image>(context.takeImage(), std::string(), usableScale ? scale : 1.0);
}

}  // namespace qov
