#pragma once

#include <memory>
#include <optional>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/legacymaps/controls/MapControlBarDelegate.h"
#include "app/legacymaps/map/MapViewUpdatedDelegate.h"
#include "app/legacymaps/overlay/MapOverlayType.h"
#include "app/legacymaps/tiles/QOVTileLayerView.h"
#include "app/legacymaps/tiles/QOVTileLoadedListener.h"
#include "platform/base/RunLoop.h"
#include "platform/map/MapView.h"
#include "platform/map/MapViewDelegate.h"
#include "platform/ui/View.h"

namespace qov {

class QOVLocation;

// The older tile map's map: a platform map (from the interface file, not owned: the view tree holds it) with a
// QOVTileLayerView laid over it once an overlay is chosen. The map is its delegate: a move hides the layer, and
// once the region has kept still for more than 0.3 s (a 0.1 s main-loop timer checks) the layer gets the map's
// zoom level and centre and redraws. It watches twice the visible area for points that count as visible.
//
// Main thread only. The layer's update delegate is held weakly. teardown() (also run on release) stops the
// region-change timer and drops the layer completely.
class MapView : public platform::ui::View,
                public platform::map::MapViewDelegate,
                public QOVTileLoadedListener,
                public MapControlBarDelegate,
                public ApplicationCacheLocationChangedDelegate {
public:
    static constexpr double kRegionCheckInterval = 0.1;
    static constexpr double kRegionSettleTime = 0.3;
    static constexpr double kLayerAlpha = 0.75;
    static constexpr float kStartZoomLevel = 8.0F;

    using View::View;
    ~MapView() override;

    std::shared_ptr<platform::map::MapView> mapView() const { return m_mapView.lock(); }
    // The platform map shown (the interface file's outlet); this view becomes its delegate.
    void setMapView(const std::shared_ptr<platform::map::MapView>& map);
    const std::shared_ptr<QOVTileLayerView>& overlayLayer() const { return m_overlayLayer; }
    const MapOverlayType::Ptr& currentOverlayType() const { return m_currentOverlayType; }
    // Makes the layer on the first overlay (and runs a region change), gives it the type; none drops the layer.
    void setCurrentOverlayType(MapOverlayType::Ptr type);
    float zoomLevel() const { return m_zoomLevel; }
    void setZoomLevel(float zoom);
    bool showTitle() const { return m_showTitle; }
    void setShowTitle(bool show) { m_showTitle = show; }
    bool interactiveMap() const;
    void setInteractiveMap(bool interactive);
    void setMapUpdateDelegate(std::weak_ptr<MapViewUpdatedDelegate> delegate);
    const std::shared_ptr<QOVLocation>& currentLocation() const { return m_currentLocation; }
    void setLocation(std::shared_ptr<QOVLocation> location);
    // The location's coordinate, rounded to single precision, lies in the watched area (edges included).
    bool isLocationVisible(const QOVLocation& location) const;
    bool isWaitingForRegion() const { return m_regionTimer != nullptr; }

    // Fingers on this view (or the layer over the map) move and zoom the platform map, whose moves then run the
    // region change above.
    bool followDrag(double dx, double dy) override;
    bool followPinch(double scale, platform::ui::Point around) override;

    void orientationChanged();
    void didReceiveMemoryWarning();
    void teardown();

    // Platform map delegate.
    void regionWillChangeAnimated(platform::map::MapView& map, bool animated) override;
    void regionDidChangeAnimated(platform::map::MapView& map, bool animated) override;
    // QOVTileLoadedListener: nothing to do here.
    void tileLoadedWithTimeStamp(std::optional<platform::Date>) override {}
    // MapControlBarDelegate.
    void animateFuture(bool future) override;
    void overlayAnimated(bool animated) override;
    void overlaySelected(const MapOverlayType::Ptr& type) override { setCurrentOverlayType(type); }
    void poiChanged() override {}
    // ApplicationCacheLocationChangedDelegate: centres the map on the place at zoom level 8.
    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;

private:
    void regionChangeDidFinish();
    void updateWatchedArea();
    void stopRegionTimer();
    void dropOverlayLayer();

    std::weak_ptr<platform::map::MapView> m_mapView;
    std::shared_ptr<QOVTileLayerView> m_overlayLayer;
    MapOverlayType::Ptr m_currentOverlayType;
    bool m_showTitle = false;
    float m_zoomLevel = kStartZoomLevel;
    double m_minLatitude = 0.0;
    double m_minLongitude = 0.0;
    double m_maxLatitude = 0.0;
    double m_maxLongitude = 0.0;
    std::shared_ptr<QOVLocation> m_currentLocation;
    std::shared_ptr<platform::Timer> m_regionTimer;
    std::optional<platform::Date> m_lastRegionChanged;
    std::weak_ptr<MapViewUpdatedDelegate> m_mapUpdateDelegate;
};

}  // namespace qov
