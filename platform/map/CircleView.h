#pragma once

#include "platform/gfx/Color.h"
#include "platform/map/Circle.h"
#include "platform/map/OverlayView.h"

namespace platform::map {

// Draws a Circle overlay filled and outlined.
class CircleView : public OverlayView {
public:
    explicit CircleView(std::shared_ptr<Circle> circle);

    const gfx::Color& fillColor() const { return m_fillColor; }
    void setFillColor(const gfx::Color& color) { m_fillColor = color; }
    const gfx::Color& strokeColor() const { return m_strokeColor; }
    void setStrokeColor(const gfx::Color& color) { m_strokeColor = color; }
    // In view points, whatever the zoom.
    double lineWidth() const { return m_lineWidth; }
    void setLineWidth(double width) { m_lineWidth = width; }

    void drawMapRect(const MapRect& mapRect, double zoomScale, gfx::BitmapContext& context) const override;

private:
    gfx::Color m_fillColor = gfx::Color::rgba(0.0, 0.3, 1.0, 0.25);
    gfx::Color m_strokeColor = gfx::Color::rgba(0.0, 0.3, 1.0, 0.8);
    double m_lineWidth = 2.0;
};

}  // namespace platform::map
