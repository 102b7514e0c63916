#include "platform/map/CircleView.h"

#include "platform/gfx/BitmapContext.h"

namespace platform::map {

CircleView::CircleView(std::shared_ptr<Circle> circle) : OverlayView(std::move(circle)) {}

void CircleView::drawMapRect(const MapRect& mapRect, double zoomScale, gfx::BitmapContext& context) const {
    MapRect bounding = overlay()->boundingMapRect();
    // A circle that crosses the 180th meridian is also drawn from the tiles on the other side.
    if (!bounding.intersects(mapRect) && bounding.remainder().intersects(mapRect)) {
        bounding = bounding.offsetBy(-kMapWorldWidth, 0.0);
    }
    const gfx::Rect circle = rectForMapRect(bounding, mapRect, zoomScale);
    context.fillEllipse(circle, m_fillColor);
    context.strokeEllipse(circle.insetBy(m_lineWidth / 2.0, m_lineWidth / 2.0), m_strokeColor, m_lineWidth);
}

}  // namespace platform::map
