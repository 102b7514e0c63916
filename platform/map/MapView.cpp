#include "platform/map/MapView.h"

#include <algorithm>
#include <cmath>

#include <fmt/format.h>

#include "platform/base/Object.h"
#include "platform/base/RunLoop.h"
#include "platform/gfx/BitmapContext.h"
#include "platform/map/BaseMap.h"
#include "platform/map/CalloutView.h"
#include "platform/map/MapViewGrid.h"
#include "platform/map/PinAnnotationView.h"
#include "platform/map/UserLocationView.h"
#include "platform/ui/TapGestureRecognizer.h"

namespace platform::map {
namespace {

// Views kept per reuse identifier; more are dropped.
constexpr std::size_t kReusePoolLimit = 32;
// How far outside the visible rect (in view points) an annotation still gets its view, so that a pin whose
// place is just off the edge still shows its head.
constexpr double kAnnotationMargin = 40.0;

bool isFiniteRect(const MapRect& rect) {
    return std::isfinite(rect.minX()) && std::isfinite(rect.minY()) && std::isfinite(rect.width()) &&
           std::isfinite(rect.height());
}

const char* mapTypeName(MapType type) {
    switch (type) {
        case MapType::Satellite: return "satellite";
        case MapType::Hybrid: return "hybrid";
        case MapType::Standard: break;
    }
    return "standard";
}

template <typename T>
std::string typeName(const T& object) {
    return Object::unqualifiedTypeName(typeid(object).name());
}

}  // namespace

MapView::MapView() : m_requestedMapRect(kMapRectWorld), m_visibleMapRect(kMapRectWorld) { setNeedsLayout(); }

MapView::MapView(const ui::Rect& frame) : MapView() { setFrame(frame); }

MapView::~MapView() {
    for (auto& [overlay, view] : m_overlayViews) {
        view->setRedrawTarget(nullptr);
    }
}

// Region and visible rect

void MapView::setRegion(const CoordinateRegion& region, bool animated) {
    changeVisibleMapRect(mapRectForRegion(region), animated);
}

void MapView::setCenterCoordinate(const geo::Coordinate& center, bool animated) {
    const MapPoint point = mapPointForCoordinate(center);
    changeVisibleMapRect(MapRect{point.x - m_visibleMapRect.width() / 2.0, point.y - m_visibleMapRect.height() / 2.0,
                                 m_visibleMapRect.width(), m_visibleMapRect.height()},
                         animated);
}

void MapView::setVisibleMapRect(const MapRect& rect, bool animated) { changeVisibleMapRect(rect, animated); }

CoordinateRegion MapView::regionThatFits(const CoordinateRegion& region) const {
    return regionForMapRect(fitted(mapRectForRegion(region)));
}

double MapView::zoomScale() const {
    const double width = m_visibleMapRect.width();
    const double boundsWidth = bounds().width();
    if (!(width > 0.0) || !(boundsWidth > 0.0)) {
        return 0.0;
    }
    return boundsWidth / width;
}

MapRect MapView::fitted(const MapRect& rect) const {
    const MapRect asked = isFiniteRect(rect) ? rect : kMapRectWorld;
    double width = std::max(asked.width(), 0.0);
    double height = std::max(asked.height(), 0.0);
    const double boundsWidth = bounds().width();
    const double boundsHeight = bounds().height();
    if (boundsWidth > 0.0 && boundsHeight > 0.0) {
        // At most two view points per map point, then grown to the bounds' proportions.
        width = std::max(width, boundsWidth / 2.0);
        height = std::max(height, boundsHeight / 2.0);
        const double aspect = boundsWidth / boundsHeight;
        if (width / height < aspect) {
            width = height * aspect;
        } else {
            height = width / aspect;
        }
        const double shrink = std::min({1.0, kMapWorldWidth / width, kMapWorldWidth / height});
        width *= shrink;
        height *= shrink;
    } else {
        width = std::min(width, kMapWorldWidth);
        height = std::min(height, kMapWorldWidth);
    }
    double left = std::fmod(asked.midX() - width / 2.0, kMapWorldWidth);
    if (left < 0.0) {
        left += kMapWorldWidth;
    }
    const double top = std::clamp(asked.midY() - height / 2.0, 0.0, kMapWorldWidth - height);
    return MapRect{left, top, width, height};
}

void MapView::changeVisibleMapRect(const MapRect& requested, bool animated) {
    m_requestedMapRect = isFiniteRect(requested) ? requested : kMapRectWorld;
    m_lastChangeAnimated = animated;
    const MapRect next = fitted(m_requestedMapRect);
    if (next == m_visibleMapRect) {
        return;
    }
    const auto delegate = m_delegate.lock();
    if (delegate) {
        delegate->regionWillChangeAnimated(*this, animated);
    }
    m_visibleMapRect = next;
    setNeedsDisplay();
    displayOverlaysSoon();
    updateAnnotationViews();
    if (delegate) {
        delegate->regionDidChangeAnimated(*this, animated);
    }
}

void MapView::setFrame(const ui::Rect& frame) {
    View::setFrame(frame);
    m_visibleMapRect = fitted(m_requestedMapRect);
    displayOverlaysSoon();
    updateAnnotationViews();
}

void MapView::layoutSubviews() {
    for (const auto& overlay : m_overlays) {
        ensureOverlayView(overlay);
    }
    updateAnnotationViews();
    setNeedsLayout();
}

void MapView::setBounds(const ui::Rect& bounds) {
    View::setBounds(bounds);
    m_visibleMapRect = fitted(m_requestedMapRect);
    displayOverlaysSoon();
    updateAnnotationViews();
}

void MapView::setMapType(MapType type) {
    if (type != m_mapType) {
        m_mapType = type;
        setNeedsDisplay();
    }
}

// Gestures

bool MapView::pan(ui::Point delta) {
    const double scale = zoomScale();
    if (!m_scrollEnabled || !(scale > 0.0) || !std::isfinite(delta.x) || !std::isfinite(delta.y)) {
        return false;
    }
    changeVisibleMapRect(m_visibleMapRect.offsetBy(-delta.x / scale, -delta.y / scale), false);
    return true;
}

bool MapView::pinch(double factor) {
    const ui::Rect shown = bounds();
    return pinch(factor, ui::Point{shown.x() + shown.width() / 2.0, shown.y() + shown.height() / 2.0});
}

bool MapView::pinch(double factor, ui::Point around) {
    const ui::Rect shown = bounds();
    if (!m_zoomEnabled || !std::isfinite(factor) || !(factor > 0.0) || !std::isfinite(around.x) ||
        !std::isfinite(around.y) || !(shown.width() > 0.0) || !(shown.height() > 0.0)) {
        return false;
    }
    // The map point under the fingers stays under them.
    const MapPoint fixed = mapPointForPoint(around);
    const double across = (around.x - shown.x()) / shown.width();
    const double down = (around.y - shown.y()) / shown.height();
    const double width = m_visibleMapRect.width() / factor;
    const double height = m_visibleMapRect.height() / factor;
    changeVisibleMapRect(MapRect{fixed.x - across * width, fixed.y - down * height, width, height}, false);
    return true;
}

bool MapView::followDrag(double dx, double dy) { return pan(ui::Point{dx, dy}); }

bool MapView::followPinch(double scale, ui::Point around) { return pinch(scale, around); }

void MapView::didMoveToSuperview() {
    ui::View::didMoveToSuperview();
    const bool zoomsOnDoubleTap = std::ranges::any_of(gestureRecognizers(), [](const auto& recognizer) {
        return recognizer->numberOfTapsRequired() == 2 && recognizer->numberOfTouchesRequired() == 1;
    });
    if (zoomsOnDoubleTap) {
        return;
    }
    auto doubleTap = std::make_shared<ui::TapGestureRecognizer>([](ui::TapGestureRecognizer& recognizer) {
        if (const auto map = std::dynamic_pointer_cast<MapView>(recognizer.view())) {
            if (const auto tapped = recognizer.locationInView()) {
                map->pinch(2.0, *tapped);
            } else {
                map->pinch(2.0);
            }
        }
    });
    doubleTap->setNumberOfTapsRequired(2);
    addGestureRecognizer(doubleTap);
}

// User location

void MapView::setShowsUserLocation(bool shows) {
    if (shows == m_showsUserLocation) {
        return;
    }
    m_showsUserLocation = shows;
    if (!shows) {
        if (m_selected == m_userLocation) {
            deselectAnnotation(m_userLocation, false);
        }
        retireAnnotationView(m_userLocation.get());
    }
    updateAnnotationViews();
}

bool MapView::isUserLocationVisible() const {
    const auto location = m_userLocation->location();
    return m_showsUserLocation && location && m_visibleMapRect.containsWrapped(mapPointForCoordinate(*location));
}

// Annotations

std::vector<std::shared_ptr<Annotation>> MapView::annotations() const {
    std::vector<std::shared_ptr<Annotation>> all;
    if (m_showsUserLocation && m_userLocation->location()) {
        all.push_back(m_userLocation);
    }
    all.insert(all.end(), m_annotations.begin(), m_annotations.end());
    return all;
}

void MapView::addAnnotation(const std::shared_ptr<Annotation>& annotation) { addAnnotations({annotation}); }

void MapView::addAnnotations(const std::vector<std::shared_ptr<Annotation>>& annotations) {
    for (const auto& annotation : annotations) {
        if (annotation && annotation != m_userLocation &&
            std::find(m_annotations.begin(), m_annotations.end(), annotation) == m_annotations.end()) {
            m_annotations.push_back(annotation);
        }
    }
    updateAnnotationViews();
}

void MapView::removeAnnotation(const std::shared_ptr<Annotation>& annotation) { removeAnnotations({annotation}); }

void MapView::removeAnnotations(const std::vector<std::shared_ptr<Annotation>>& annotations) {
    for (const auto& annotation : annotations) {
        const auto found = std::find(m_annotations.begin(), m_annotations.end(), annotation);
        if (found == m_annotations.end()) {
            continue;
        }
        if (m_selected == annotation) {
            deselectAnnotation(annotation, false);
        }
        retireAnnotationView(annotation.get());
        m_annotations.erase(found);
    }
}

std::vector<std::shared_ptr<Annotation>> MapView::annotationsInMapRect(const MapRect& rect) const {
    std::vector<std::shared_ptr<Annotation>> inside;
    for (const auto& annotation : annotations()) {
        if (rect.containsWrapped(mapPointForCoordinate(annotation->coordinate()))) {
            inside.push_back(annotation);
        }
    }
    return inside;
}

std::shared_ptr<AnnotationView> MapView::viewForAnnotation(const std::shared_ptr<Annotation>& annotation) const {
    const auto found = m_annotationViews.find(annotation.get());
    return found == m_annotationViews.end() ? nullptr : found->second;
}

std::shared_ptr<AnnotationView> MapView::dequeueReusableAnnotationViewWithIdentifier(const std::string& identifier) {
    const auto found = m_reusePool.find(identifier);
    if (found == m_reusePool.end() || found->second.empty()) {
        return nullptr;
    }
    auto view = found->second.back();
    found->second.pop_back();
    view->prepareForReuse();
    return view;
}

void MapView::selectAnnotation(const std::shared_ptr<Annotation>& annotation, bool) {
    const auto all = annotations();
    if (!annotation || annotation == m_selected || std::find(all.begin(), all.end(), annotation) == all.end()) {
        return;
    }
    if (m_selected) {
        deselectAnnotation(m_selected, false);
    }
    m_selected = annotation;
    auto view = viewForAnnotation(annotation);
    if (view) {
        view->setSelected(true);
    }
    updateCallout();
    if (const auto delegate = m_delegate.lock(); delegate && view) {
        delegate->didSelectAnnotationView(*this, *view);
    }
}

void MapView::deselectAnnotation(const std::shared_ptr<Annotation>& annotation, bool) {
    if (!annotation || annotation != m_selected) {
        return;
    }
    m_selected = nullptr;
    auto view = viewForAnnotation(annotation);
    if (view) {
        view->setSelected(false);
    }
    updateCallout();
    if (const auto delegate = m_delegate.lock(); delegate && view) {
        delegate->didDeselectAnnotationView(*this, *view);
    }
}

std::vector<std::shared_ptr<Annotation>> MapView::selectedAnnotations() const {
    if (!m_selected) {
        return {};
    }
    return {m_selected};
}

std::shared_ptr<AnnotationView> MapView::makeAnnotationView(const std::shared_ptr<Annotation>& annotation) {
    std::shared_ptr<AnnotationView> view;
    if (const auto delegate = m_delegate.lock()) {
        view = delegate->viewForAnnotation(*this, annotation);
    }
    if (!view && annotation == m_userLocation) {
        view = std::make_shared<UserLocationView>(annotation);
    } else if (!view) {
        auto pin = std::make_shared<PinAnnotationView>(annotation, "");
        pin->setCanShowCallout(true);
        view = pin;
    }
    view->setAnnotation(annotation);
    view->setSelected(annotation == m_selected);
    return view;
}

void MapView::updateAnnotationViews() {
    const double scale = zoomScale();
    const double margin = scale > 0.0 ? kAnnotationMargin / scale : 0.0;
    const MapRect inSight{m_visibleMapRect.minX() - margin, m_visibleMapRect.minY() - margin,
                          m_visibleMapRect.width() + 2.0 * margin, m_visibleMapRect.height() + 2.0 * margin};
    for (const auto& annotation : annotations()) {
        if (!inSight.containsWrapped(mapPointForCoordinate(annotation->coordinate()))) {
            retireAnnotationView(annotation.get());
            continue;
        }
        auto& view = m_annotationViews[annotation.get()];
        if (!view) {
            view = makeAnnotationView(annotation);
            addSubview(view);
        }
        placeAnnotationView(*view);
    }
    updateCallout();
}

void MapView::placeAnnotationView(AnnotationView& view) const {
    const ui::Point point = convertCoordinate(view.annotation()->coordinate());
    view.setCenter(point + view.centerOffset());
}

void MapView::retireAnnotationView(const Annotation* annotation) {
    const auto found = m_annotationViews.find(annotation);
    if (found == m_annotationViews.end()) {
        return;
    }
    auto view = found->second;
    m_annotationViews.erase(found);
    view->removeFromSuperview();
    view->setSelected(false);
    if (!view->reuseIdentifier().empty()) {
        auto& pool = m_reusePool[view->reuseIdentifier()];
        if (pool.size() < kReusePoolLimit) {
            view->setAnnotation(nullptr);
            pool.push_back(view);
        }
    }
}

void MapView::updateCallout() {
    if (m_callout) {
        m_callout->removeFromSuperview();
        m_callout = nullptr;
    }
    const auto view = m_selected ? viewForAnnotation(m_selected) : nullptr;
    if (!view || !view->canShowCallout() || m_selected->title().empty()) {
        return;
    }
    m_callout = std::make_shared<CalloutView>(m_selected->title(), m_selected->subtitle());
    const ui::Rect anchor = view->frame();
    const ui::Rect size = m_callout->frame();
    const double left = std::clamp(anchor.midX() - size.width() / 2.0, bounds().x(),
                                   std::max(bounds().x(), bounds().maxX() - size.width()));
    m_callout->setFrame(ui::Rect{left, anchor.y() - size.height() - 2.0, size.width(), size.height()});
    addSubview(m_callout);
}

// Overlays

void MapView::addOverlay(const std::shared_ptr<Overlay>& overlay) { insertOverlay(overlay, m_overlays.size()); }

void MapView::insertOverlay(const std::shared_ptr<Overlay>& overlay, std::size_t index) {
    if (!overlay || std::find(m_overlays.begin(), m_overlays.end(), overlay) != m_overlays.end()) {
        return;
    }
    m_overlays.insert(m_overlays.begin() + static_cast<std::ptrdiff_t>(std::min(index, m_overlays.size())), overlay);
    ensureOverlayView(overlay);
    setNeedsDisplay();
    displayOverlaysSoon();
}

void MapView::removeOverlay(const std::shared_ptr<Overlay>& overlay) { removeOverlays({overlay}); }

void MapView::removeOverlays(const std::vector<std::shared_ptr<Overlay>>& overlays) {
    for (const auto& overlay : overlays) {
        const auto found = std::find(m_overlays.begin(), m_overlays.end(), overlay);
        if (found == m_overlays.end()) {
            continue;
        }
        if (const auto view = m_overlayViews.find(overlay.get()); view != m_overlayViews.end()) {
            view->second->setRedrawTarget(nullptr);
            m_overlayViews.erase(view);
        }
        m_overlays.erase(found);
        setNeedsDisplay();
    }
}

std::shared_ptr<OverlayView> MapView::viewForOverlay(const std::shared_ptr<Overlay>& overlay) const {
    const auto found = m_overlayViews.find(overlay.get());
    return found == m_overlayViews.end() ? nullptr : found->second;
}

std::shared_ptr<OverlayView> MapView::ensureOverlayView(const std::shared_ptr<Overlay>& overlay) {
    if (auto existing = viewForOverlay(overlay)) {
        return existing;
    }
    const auto delegate = m_delegate.lock();
    auto view = delegate ? delegate->viewForOverlay(*this, overlay) : nullptr;
    if (view) {
        std::weak_ptr<int> alive = m_lifetime;
        view->setRedrawTarget([alive, this](const MapRect& rect) {
            if (alive.lock()) {
                m_pendingRedraws.push_back(rect);
                setNeedsDisplay();
            }
        });
        m_overlayViews[overlay.get()] = view;
    }
    return view;
}

// Conversions

ui::Point MapView::pointForMapPoint(MapPoint point) const {
    const double scale = zoomScale();
    // The copy of the point nearest the middle of what is shown, so places across the 180th meridian land on
    // the side where they appear.
    double x = point.x;
    for (const double shifted : {point.x - kMapWorldWidth, point.x + kMapWorldWidth}) {
        if (std::abs(shifted - m_visibleMapRect.midX()) < std::abs(x - m_visibleMapRect.midX())) {
            x = shifted;
        }
    }
    return ui::Point{bounds().x() + (x - m_visibleMapRect.minX()) * scale,
                     bounds().y() + (point.y - m_visibleMapRect.minY()) * scale};
}

MapPoint MapView::mapPointForPoint(ui::Point point) const {
    const double scale = zoomScale();
    if (!(scale > 0.0)) {
        return m_visibleMapRect.center();
    }
    return MapPoint{m_visibleMapRect.minX() + (point.x - bounds().x()) / scale,
                    m_visibleMapRect.minY() + (point.y - bounds().y()) / scale};
}

ui::Point MapView::convertCoordinate(const geo::Coordinate& coordinate) const {
    return pointForMapPoint(mapPointForCoordinate(coordinate));
}

geo::Coordinate MapView::convertPoint(ui::Point point) const { return coordinateForMapPoint(mapPointForPoint(point)); }

ui::Rect MapView::convertRegion(const CoordinateRegion& region) const {
    const MapRect rect = mapRectForRegion(region);
    const ui::Point origin = pointForMapPoint(rect.origin);
    const double scale = zoomScale();
    return ui::Rect{origin.x, origin.y, rect.width() * scale, rect.height() * scale};
}

CoordinateRegion MapView::convertRect(const ui::Rect& rect) const {
    const MapPoint origin = mapPointForPoint(rect.origin);
    const MapPoint end = mapPointForPoint(ui::Point{rect.maxX(), rect.maxY()});
    return regionForMapRect(MapRect{origin.x, origin.y, end.x - origin.x, end.y - origin.y});
}

// Seeing the map

std::string MapView::text() const {
    const CoordinateRegion shown = region();
    std::string out =
        fmt::format("region {:.4f}, {:.4f} span {:.4f} x {:.4f}; {}", shown.center.latitude, shown.center.longitude,
                    shown.span.latitudeDelta, shown.span.longitudeDelta, mapTypeName(m_mapType));
    if (!m_overlays.empty()) {
        out += "; overlays:";
        for (const auto& overlay : m_overlays) {
            const geo::Coordinate at = overlay->coordinate();
            out += fmt::format(" {} at {:.4f}, {:.4f}", typeName(*overlay), at.latitude, at.longitude);
            out += overlay == m_overlays.back() ? "" : ",";
        }
    }
    return out + fmt::format("; annotations: {}", annotations().size());
}

void MapView::draw(gfx::BitmapContext& context) const {
    context.save();
    context.clip(bounds());
    BaseMap::shared().draw(context, m_visibleMapRect, zoomScale(), bounds(), m_mapType);
    drawOverlays(context);
    context.restore();
    m_pendingRedraws.clear();
}

void MapView::displayOverlaysSoon() {
    auto weakSelf = weak_from_this();
    if (m_overlayDisplayQueued || m_overlays.empty() || weakSelf.expired()) {
        return;
    }
    m_overlayDisplayQueued = true;
    RunLoop::main().post([weakSelf = std::move(weakSelf)] {
        const auto self = std::static_pointer_cast<MapView>(weakSelf.lock());
        if (!self) {
            return;
        }
        self->m_overlayDisplayQueued = false;
        const auto size = self->bounds().size;
        if (!self->window() || self->m_overlays.empty() || !(size.width >= 1.0 && size.height >= 1.0)) {
            return;
        }
        gfx::BitmapContext offscreen(int(size.width), int(size.height));
        offscreen.translate(-self->bounds().x(), -self->bounds().y());
        self->drawOverlays(offscreen);
    });
}

void MapView::drawOverlays(gfx::BitmapContext& context) const {
    const double scale = zoomScale();
    if (!(scale > 0.0)) {
        return;
    }
    const auto cells = MapViewGrid::kGrid.cellsCovering(m_visibleMapRect, MapViewGrid::levelForZoomScale(scale));
    for (const auto& overlay : m_overlays) {
        const auto view = viewForOverlay(overlay);
        if (!view || view->alpha() <= 0.0) {
            continue;
        }
        context.beginLayer();
        for (const auto& cell : cells) {
            if (!overlay->intersectsMapRect(cell.tile) || !view->canDrawMapRect(cell.tile, scale)) {
                continue;
            }
            // Each square snapped to whole points, so neighbouring tiles meet without a seam.
            const auto snapX = [&](double x) {
                return std::round(bounds().x() + (x - m_visibleMapRect.minX()) * scale);
            };
            const auto snapY = [&](double y) {
                return std::round(bounds().y() + (y - m_visibleMapRect.minY()) * scale);
            };
            const double left = snapX(cell.placed.minX());
            const double top = snapY(cell.placed.minY());
            const double width = cell.placed.width() * scale;
            const double height = cell.placed.height() * scale;
            context.save();
            context.translate(left, top);
            context.scale((snapX(cell.placed.maxX()) - left) / width, (snapY(cell.placed.maxY()) - top) / height);
            context.clip(gfx::Rect{0.0, 0.0, width, height});
            view->drawMapRect(cell.tile, scale, context);
            context.restore();
        }
        context.endLayer(view->alpha());
    }
}

}  // namespace platform::map
