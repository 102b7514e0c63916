#include "app/maps/animation/QOVAnimationRendererImageView.h"

namespace qov {

QOVAnimationRendererImageView::QOVAnimationRendererImageView(const platform::ui::Rect& frame)
    : QOVAnimationRenderer(frame), m_imageView(std::make_shared<platform::ui::ImageView>()) {
    setAutoresizesSubviews(true);
    m_imageView->setFrame(platform::ui::Rect(0, 0, frame.width(), frame.height()));
    m_imageView->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth |
                                     platform::ui::kAutoresizingFlexibleHeight);
    m_imageView->setAlpha(overlayAlpha());
    addSubview(m_imageView);
}

void QOVAnimationRendererImageView::setOverlayAlpha(double alpha) {
    QOVAnimationRenderer::setOverlayAlpha(alpha);
    m_imageView->setAlpha(alpha);
}

void QOVAnimationRendererImageView::displayNativeFrame(const FrameImage& frame) {
    setHidden(false);
    m_imageView->setImage(frame);
}

QOVAnimationRenderer::FrameImage QOVAnimationRendererImageView::nativeDataFromFrameData(const FrameData& frameData,
                                                                                        std::uint32_t rowsPerFrame,
                                                                                        float zoomScale,
                                                                                        platform::gfx::Point offset,
                                                                                        std::uint32_t) {
    return imageFromFrameData(frameData, rowsPerFrame, zoomScale, offset);
}

}  // namespace qov
