#include "platform/map/OverlayView.h"

#include <algorithm>
#include <cmath>

namespace platform::map {

OverlayView::OverlayView(std::shared_ptr<Overlay> overlay) : m_overlay(std::move(overlay)) {}

void OverlayView::setAlpha(double alpha) {
    if (!std::isnan(alpha)) {
        m_alpha = std::clamp(alpha, 0.0, 1.0);
    }
}

bool OverlayView::canDrawMapRect(const MapRect&, double) const { return true; }

void OverlayView::drawMapRect(const MapRect&, double, gfx::BitmapContext&) const {}

void OverlayView::setNeedsDisplayInMapRect(const MapRect& mapRect) {
    ++m_displayRequests;
    if (m_redrawTarget) {
        m_redrawTarget(mapRect);
    }
}

void OverlayView::setNeedsDisplayInMapRect(const MapRect& mapRect, double) { setNeedsDisplayInMapRect(mapRect); }

void OverlayView::setNeedsDisplay() { setNeedsDisplayInMapRect(kMapRectWorld); }

gfx::Point OverlayView::pointForMapPoint(MapPoint point, const MapRect& mapRect, double zoomScale) {
    return gfx::Point{(point.x - mapRect.minX()) * zoomScale, (point.y - mapRect.minY()) * zoomScale};
}

gfx::Rect OverlayView::rectForMapRect(const MapRect& rect, const MapRect& mapRect, double zoomScale) {
    const gfx::Point origin = pointForMapPoint(rect.origin, mapRect, zoomScale);
    return gfx::Rect{origin.x, origin.y, rect.width() * zoomScale, rect.height() * zoomScale};
}

}  // namespace platform::map
