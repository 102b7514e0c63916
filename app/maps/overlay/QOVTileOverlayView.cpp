#include "app/maps/overlay/QOVTileOverlayView.h"

#include "app/maps/overlay/QOVTileOverlay.h"
#include "platform/gfx/BitmapContext.h"

namespace qov {

QOVTileOverlayView::QOVTileOverlayView(std::shared_ptr<QOVTileOverlay> overlay)
    : OverlayView(overlay), m_tileOverlay(std::move(overlay)) {}

bool QOVTileOverlayView::canDrawMapRect(const platform::map::MapRect&, double) const { return true; }

void QOVTileOverlayView::drawMapRect(const platform::map::MapRect& mapRect, double zoomScale,
                                     platform::gfx::BitmapContext& context) const {
    if (const auto image = m_tileOverlay->tileImageForMapRect(mapRect, float(zoomScale))) {
        context.drawImage(*image->bitmap(), rectForMapRect(mapRect, mapRect, zoomScale), m_tileAlpha);
    }
}

}  // namespace qov
