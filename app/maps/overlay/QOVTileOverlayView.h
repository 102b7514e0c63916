#pragma once

#include <memory>

#include "platform/map/OverlayView.h"

namespace qov {

class QOVTileOverlay;

// Draws a tile overlay: each map rect the map view asks for gets the overlay's tile image for it, drawn with the
// tile alpha. Main thread only; holds its overlay.
class QOVTileOverlayView : public platform::map::OverlayView {
public:
    explicit QOVTileOverlayView(std::shared_ptr<QOVTileOverlay> overlay);

    double tileAlpha() const { return m_tileAlpha; }
    void setTileAlpha(double alpha) { m_tileAlpha = alpha; }

    bool canDrawMapRect(const platform::map::MapRect& mapRect, double zoomScale) const override;
    void drawMapRect(const platform::map::MapRect& mapRect, double zoomScale,
                     platform::gfx::BitmapContext& context) const override;

private:
    std::shared_ptr<QOVTileOverlay> m_tileOverlay;
    double m_tileAlpha = 1.0;
};

}  // namespace qov
