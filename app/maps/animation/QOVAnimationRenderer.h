#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/base/Value.h"
#include "platform/gfx/Image.h"
#include "platform/gfx/Point.h"
#include "platform/ui/Image.h"
#include "platform/ui/View.h"

namespace qov {

// The view that shows the radar loop over the map. The animation manager hands it the tile images of one frame
// (in the map cache's grid order for the visible map rect, row by row); the renderer stitches them into one
// image that covers exactly the visible map and later shows it. Subclasses decide how a frame is kept and shown.
//
// Main thread only; owned by the view it is added to (and by the map controller).
class QOVAnimationRenderer : public platform::ui::View {
public:
    // One tile of a frame: its picture when it was decoded already (a fetched tile is decoded once, when it
    // arrives), else its PNG bytes; neither when the tile is missing.
    struct FrameTile {
        FrameTile() = default;
        FrameTile(std::nullopt_t) {}
        FrameTile(platform::Data png) : png(std::move(png)) {}
        FrameTile(std::optional<platform::Data> png) : png(std::move(png)) {}
        FrameTile(std::shared_ptr<platform::gfx::Image> picture) : picture(std::move(picture)) {}

        std::optional<platform::Data> png;
        std::shared_ptr<platform::gfx::Image> picture;
    };
    // One entry per tile of a frame.
    using FrameData = std::vector<FrameTile>;
    using FrameImage = std::shared_ptr<platform::ui::Image>;

    static constexpr int kTilePixels = 256;

    // Hidden until it shows a frame; takes no touches.
    explicit QOVAnimationRenderer(const platform::ui::Rect& frame);

    double overlayAlpha() const { return m_overlayAlpha; }
    virtual void setOverlayAlpha(double alpha) { m_overlayAlpha = alpha; }

    // Abstract: shows a frame made by nativeDataFromFrameData.
    virtual void displayNativeFrame(const FrameImage& frame);
    // Abstract: the frame of the tiles, as this renderer keeps it.
    virtual FrameImage nativeDataFromFrameData(const FrameData& frameData, std::uint32_t rowsPerFrame, float zoomScale,
                                               platform::gfx::Point offset, std::uint32_t frameNumber);

    // The tiles stitched row by row (rowsPerFrame rows of 256-pixel squares, missing tiles left clear), cut to
    // the visible map: the cut starts at the pixel offset of the visible rect's origin inside the first tile
    // (offset: that tile's origin minus the rect's origin, in map points) and is the renderer's size times the
    // image scale. The image's scale factor makes its size in points the renderer's size. Never nullptr: a
    // frame without tiles is a clear image.
    FrameImage imageFromFrameData(const FrameData& frameData, std::uint32_t rowsPerFrame, float zoomScale,
                                  platform::gfx::Point offset) const;
    // The two steps of imageFromFrameData: each tile's picture (the one it carries, else its PNG decoded; nullptr
    // for a missing or undecodable one), and the pictures stitched.
    using TileImages = std::vector<std::shared_ptr<platform::gfx::Image>>;
    static TileImages decodeTiles(const FrameData& frameData);
    FrameImage stitchTiles(const TileImages& tiles, std::uint32_t rowsPerFrame, float zoomScale,
                           platform::gfx::Point offset) const;

    // 20 + floor(log2(zoomScale) + 0.5) for the 2^28-point world, never below 0.
    static int zoomScaleToZoomLevel(float zoomScale);
    // Map points to pixels of the tile level of the zoom scale.
    static platform::gfx::Point adjustOffset(platform::gfx::Point offset, float zoomScale);
    // Tile pixels per screen point: 2^(z - 20) / zoomScale.
    static float imageScaleforZoomScale(float zoomScale);

private:
    double m_overlayAlpha = 1.0;
};

}  // namespace qov
