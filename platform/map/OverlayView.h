#pragma once

#include <functional>
#include <memory>

#include "platform/gfx/Rect.h"
#include "platform/map/Overlay.h"

namespace platform::gfx {
class BitmapContext;
}

namespace platform::map {

// Draws one overlay for a map view. The map view asks it, tile by tile on a grid aligned to the map's 256-pixel
// tiles at the current zoom, whether it can draw a map rect and then to draw it. Held by std::shared_ptr;
// main thread only.
class OverlayView {
public:
    explicit OverlayView(std::shared_ptr<Overlay> overlay);
    virtual ~OverlayView() = default;

    const std::shared_ptr<Overlay>& overlay() const { return m_overlay; }

    // 0 (invisible) to 1 (opaque); values outside are clamped and NaN is ignored.
    double alpha() const { return m_alpha; }
    void setAlpha(double alpha);

    // Whether the view has what it needs to draw the map rect at the zoom scale (view points per map point).
    // A map view skips the rects answered false; the view asks for them again with setNeedsDisplayInMapRect.
    virtual bool canDrawMapRect(const MapRect& mapRect, double zoomScale) const;
    // Draws the part of the overlay inside mapRect into the context, whose origin is the rect's north-western
    // corner and whose point is 1 / zoomScale map points (pointForMapPoint converts); drawing outside the
    // rect is clipped. The default draws nothing.
    virtual void drawMapRect(const MapRect& mapRect, double zoomScale, gfx::BitmapContext& context) const;

    // Asks the map view showing this overlay to draw the rect again (every rect when no rect is given).
    void setNeedsDisplayInMapRect(const MapRect& mapRect);
    void setNeedsDisplay();
    // How many redraws were asked for, for tests and the runner.
    int displayRequests() const { return m_displayRequests; }

    // Where a map point falls in the context drawMapRect receives for mapRect at zoomScale.
    static gfx::Point pointForMapPoint(MapPoint point, const MapRect& mapRect, double zoomScale);
    static gfx::Rect rectForMapRect(const MapRect& rect, const MapRect& mapRect, double zoomScale);

    // The map view that shows this view sets where redraw requests go (empty when it leaves the map).
    void setRedrawTarget(std::function<void(const MapRect&)> target) { m_redrawTarget = std::move(target); }

private:
    std::shared_ptr<Overlay> m_overlay;
    double m_alpha = 1.0;
    int m_displayRequests = 0;
    std::function<void(const MapRect&)> m_redrawTarget;
};

}  // namespace platform::map
