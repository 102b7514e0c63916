#pragma once

#include "app/maps/animation/QOVAnimationRenderer.h"

namespace qov {

// A renderer that shows each frame as the contents image of its own layer (scaled to its bounds). Main thread
// only.
class QOVAnimationRendererCALayer : public QOVAnimationRenderer {
public:
    using QOVAnimationRenderer::QOVAnimationRenderer;

    // Unhides the renderer and makes the frame's bitmap its layer's contents.
    void displayNativeFrame(const FrameImage& frame) override;
    // The stitched image (the frame number plays no part).
    FrameImage nativeDataFromFrameData(const FrameData& frameData, std::uint32_t rowsPerFrame, float zoomScale,
                                       platform::gfx::Point offset, std::uint32_t frameNumber) override;
};

}  // namespace qov
