#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/map/AnnotationView.h"
#include "platform/map/MapProjection.h"
#include "platform/map/MapType.h"
#include "platform/map/MapViewDelegate.h"
#include "platform/map/Overlay.h"
#include "platform/map/OverlayView.h"
#include "platform/map/UserLocation.h"
#include "platform/ui/View.h"

namespace platform::map {

class CalloutView;

// A headless map: it shows a visible map rect of the world fitted to its bounds, drawing the base map (land and
// sea from coastline data, styled by the map type), then its overlays through their overlay views, tile by tile
// on the map's 256-pixel grid, and keeps a subview for each annotation in sight. The region (a centre and a
// span in degrees) is another way of saying the visible map rect: every rect asked for is fitted to the bounds'
// proportions (grown, never cut), kept within the world north to south, at most one world wide, and at most
// twice the bounds' size in view points per map point. Annotations and overlays are held by std::shared_ptr;
// the delegate weakly. Main thread only.
class MapView : public ui::View {
public:
    MapView();
    explicit MapView(const ui::Rect& frame);
    ~MapView() override;

    std::shared_ptr<MapViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<MapViewDelegate> delegate) { m_delegate = std::move(delegate); }

    // Region and visible map rect. A change tells the delegate before and after (only when the rect changes);
    // the animated flag is recorded and passed on, the change itself applies at once.
    CoordinateRegion region() const { return regionForMapRect(m_visibleMapRect); }
    void setRegion(const CoordinateRegion& region, bool animated);
    geo::Coordinate centerCoordinate() const { return coordinateForMapPoint(m_visibleMapRect.center()); }
    void setCenterCoordinate(const geo::Coordinate& center, bool animated);
    const MapRect& visibleMapRect() const { return m_visibleMapRect; }
    void setVisibleMapRect(const MapRect& rect, bool animated);
    // The region this view would show when asked for the given one.
    CoordinateRegion regionThatFits(const CoordinateRegion& region) const;
    bool lastChangeAnimated() const { return m_lastChangeAnimated; }
    // View points per map point: bounds width / visible rect width; 0 when either has no width.
    double zoomScale() const;

    MapType mapType() const { return m_mapType; }
    void setMapType(MapType type);

    // Interaction flags; the gestures below honour them.
    bool isZoomEnabled() const { return m_zoomEnabled; }
    void setZoomEnabled(bool enabled) { m_zoomEnabled = enabled; }
    bool isScrollEnabled() const { return m_scrollEnabled; }
    void setScrollEnabled(bool enabled) { m_scrollEnabled = enabled; }
    // The user drags the map by the given view points (a drag to the right shows what lies west).
    bool pan(ui::Point delta);
    // The user pinches: a factor above 1 zooms in around the centre, or around a point of the bounds, which
    // keeps the place under it.
    bool pinch(double factor);
    bool pinch(double factor, ui::Point around);
    // A finger dragging on the map (or a pin) pans it; two fingers pinching zoom it around their middle; a
    // double tap zooms in twice around the tapped point, which keeps the place under it (around the middle when
    // the tap has no point, as a script's tap of the map).
    bool followDrag(double dx, double dy) override;
    bool followPinch(double scale, ui::Point around) override;

    // The user's own position, shown while showsUserLocation is on and the position source has a fix.
    bool showsUserLocation() const { return m_showsUserLocation; }
    void setShowsUserLocation(bool shows);
    const std::shared_ptr<UserLocation>& userLocation() const { return m_userLocation; }
    bool isUserLocationVisible() const;

    // Annotations, in the order added (the user location first while it is shown).
    std::vector<std::shared_ptr<Annotation>> annotations() const;
    void addAnnotation(const std::shared_ptr<Annotation>& annotation);
    void addAnnotations(const std::vector<std::shared_ptr<Annotation>>& annotations);
    void removeAnnotation(const std::shared_ptr<Annotation>& annotation);
    void removeAnnotations(const std::vector<std::shared_ptr<Annotation>>& annotations);
    // The added annotations whose place lies in the rect (across the 180th meridian too).
    std::vector<std::shared_ptr<Annotation>> annotationsInMapRect(const MapRect& rect) const;
    // The view shown for an annotation in sight, else nullptr.
    std::shared_ptr<AnnotationView> viewForAnnotation(const std::shared_ptr<Annotation>& annotation) const;
    // A pooled view with the identifier, taken out of the pool (prepared for reuse), or nullptr.
    std::shared_ptr<AnnotationView> dequeueReusableAnnotationViewWithIdentifier(const std::string& identifier);
    void selectAnnotation(const std::shared_ptr<Annotation>& annotation, bool animated);
    void deselectAnnotation(const std::shared_ptr<Annotation>& annotation, bool animated);
    std::vector<std::shared_ptr<Annotation>> selectedAnnotations() const;

    // Overlays, drawn in the order added (the last on top). Each gets its view from the delegate when added, or
    // at the next layout pass while it has none.
    const std::vector<std::shared_ptr<Overlay>>& overlays() const { return m_overlays; }
    void addOverlay(const std::shared_ptr<Overlay>& overlay);
    void insertOverlay(const std::shared_ptr<Overlay>& overlay, std::size_t index);
    void removeOverlay(const std::shared_ptr<Overlay>& overlay);
    void removeOverlays(const std::vector<std::shared_ptr<Overlay>>& overlays);
    std::shared_ptr<OverlayView> viewForOverlay(const std::shared_ptr<Overlay>& overlay) const;
    // The map rects overlay views asked to have drawn again since the last draw (tests and the runner).
    const std::vector<MapRect>& pendingRedraws() const { return m_pendingRedraws; }

    // Conversions between the map and this view's own coordinates.
    ui::Point pointForMapPoint(MapPoint point) const;
    MapPoint mapPointForPoint(ui::Point point) const;
    ui::Point convertCoordinate(const geo::Coordinate& coordinate) const;
    geo::Coordinate convertPoint(ui::Point point) const;
    ui::Rect convertRegion(const CoordinateRegion& region) const;
    CoordinateRegion convertRect(const ui::Rect& rect) const;

    // Annotation views follow their annotations' places (and the user's fix) at every layout pass, so each
    // render and dump shows them where they are now.
    void layoutSubviews() override;
    void setFrame(const ui::Rect& frame) override;
    void setBounds(const ui::Rect& bounds) override;
    // The summary the screen dump shows: region, map type, overlays and the number of annotations.
    std::string text() const override;
    void draw(gfx::BitmapContext& context) const override;

protected:
    void didMoveToSuperview() override;

private:
    MapRect fitted(const MapRect& rect) const;
    void changeVisibleMapRect(const MapRect& requested, bool animated);
    void updateAnnotationViews();
    void placeAnnotationView(AnnotationView& view) const;
    void retireAnnotationView(const Annotation* annotation);
    std::shared_ptr<AnnotationView> makeAnnotationView(const std::shared_ptr<Annotation>& annotation);
    void updateCallout();
    std::shared_ptr<OverlayView> ensureOverlayView(const std::shared_ptr<Overlay>& overlay);
    void drawOverlays(gfx::BitmapContext& context) const;
    // The device's map draws the tiles that come into sight on its next display pass, so overlay views that load
    // their tiles on demand start loading before anyone looks. Here: once on the main loop after the overlays or
    // the visible rect changed, the overlays are drawn off screen, when the map is then in a window.
    void displayOverlaysSoon();

    std::weak_ptr<MapViewDelegate> m_delegate;
    // The rect last asked for, and what is shown: the asked rect fitted to the bounds.
    MapRect m_requestedMapRect;
    MapRect m_visibleMapRect;
    bool m_lastChangeAnimated = false;
    MapType m_mapType = MapType::Standard;
    bool m_zoomEnabled = true;
    bool m_scrollEnabled = true;
    bool m_showsUserLocation = false;
    std::shared_ptr<UserLocation> m_userLocation = std::make_shared<UserLocation>();
    std::vector<std::shared_ptr<Annotation>> m_annotations;
    std::map<const Annotation*, std::shared_ptr<AnnotationView>> m_annotationViews;
    std::map<std::string, std::vector<std::shared_ptr<AnnotationView>>> m_reusePool;
    std::shared_ptr<Annotation> m_selected;
    std::shared_ptr<CalloutView> m_callout;
    std::vector<std::shared_ptr<Overlay>> m_overlays;
    std::map<const Overlay*, std::shared_ptr<OverlayView>> m_overlayViews;
    mutable std::vector<MapRect> m_pendingRedraws;
    bool m_overlayDisplayQueued = false;
    std::shared_ptr<int> m_lifetime = std::make_shared<int>(0);
};

}  // namespace platform::map
