#include "app/maps/animation/QOVAnimationRendererCALayer.h"

namespace qov {

void QOVAnimationRendererCALayer::displayNativeFrame(const FrameImage& frame) {
    setHidden(false);
    layer().contents = frame ? frame->bitmap() : nullptr;
    setNeedsDisplay();
}

QOVAnimationRenderer::FrameImage QOVAnimationRendererCALayer::nativeDataFromFrameData(const FrameData& frameData,
                                                                                      std::uint32_t rowsPerFrame,
                                                                                      float zoomScale,
                                                                                      platform::gfx::Point offset,
                                                                                      std::uint32_t) {
    return imageFromFrameData(frameData, rowsPerFrame, zoomScale, offset);
}

}  // namespace qov
