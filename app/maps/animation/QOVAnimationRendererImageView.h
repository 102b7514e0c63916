#pragma once

#include <memory>

#include "app/maps/animation/QOVAnimationRenderer.h"
#include "platform/ui/ImageView.h"

namespace qov {

// The renderer the map controller uses: frames are images shown by an image view that fills the renderer and
// carries the overlay's transparency. Main thread only.
class QOVAnimationRendererImageView : public QOVAnimationRenderer {
public:
    explicit QOVAnimationRendererImageView(const platform::ui::Rect& frame);

    const std::shared_ptr<platform::ui::ImageView>& imageView() const { return m_imageView; }

    // Also the image view's alpha.
    void setOverlayAlpha(double alpha) override;
    // Unhides the renderer and shows the frame.
    void displayNativeFrame(const FrameImage& frame) override;
    // The stitched image (the frame number plays no part).
    FrameImage nativeDataFromFrameData(const FrameData& frameData, std::uint32_t rowsPerFrame, float zoomScale,
                                       platform::gfx::Point offset, std::uint32_t frameNumber) override;

private:
    std::shared_ptr<platform::ui::ImageView> m_imageView;
};

}  // namespace qov
