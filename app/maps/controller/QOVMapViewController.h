#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVPOIList.h"
#include "app/maps/animation/QOVAnimationManager.h"
#include "app/maps/annotations/QOVAnnotation.h"
#include "app/maps/cache/MapConfigurationListener.h"
#include "app/maps/model/QOVMapTileConfig.h"
#include "app/maps/overlay/QOVTileOverlay.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/map/MapView.h"
#include "platform/map/MapViewDelegate.h"

namespace qov {

// The base screen of a map with weather tiles: the newest series of the chosen layer as a tile overlay over the
// world, the current location's pin (the map centres on it at zoom level 6), the points of interest of the
// chosen type around the visible map, and the radar loop through its own animation manager, whose frames an
// image-view renderer shows above the map. "radar" stands for "eurorad" outside the US and the other way round
// (RegionalLayer). Panning while the loop plays stops it and starts it again when the pan ends.
//
// Main thread only; owned by std::shared_ptr like every screen. The map cache, the application cache and the
// animation manager hold it weakly (the manager as its delegate), so answers after it is gone reach no one. The
// loop's feedback hooks are empty here; the maps screen fills them.
class QOVMapViewController : public QOVViewController,
                             public platform::map::MapViewDelegate,
                             public ApplicationCacheLocationChangedDelegate,
                             public MapConfigurationListener,
                             public QOVAnimationManagerDelegate {
public:
    static constexpr double kDefaultOverlayAlpha = 0.75;
    static constexpr unsigned kLocationZoomLevel = 6;
    static constexpr const char* kPinReuseIdentifier = "currentloc";

    explicit QOVMapViewController(std::string nibName = {});
    ~QOVMapViewController() override;

    std::optional<std::string> pageName() const override { return "Maps"; }

    // Outlet; without one, viewDidLoad puts a map filling the screen's view.
    const std::shared_ptr<platform::map::MapView>& mapView() const { return m_mapView; }
    void setMapView(std::shared_ptr<platform::map::MapView> mapView) { m_mapView = std::move(mapView); }
    const std::shared_ptr<QOVMapTileConfig>& mapConfig() const { return m_mapConfig; }
    const std::shared_ptr<QOVMapLayer>& mapLayer() const { return m_mapLayer; }
    const std::shared_ptr<QOVMapSeries>& mapSeries() const { return m_mapSeries; }
    const std::shared_ptr<QOVLocation>& currentLocation() const { return m_currentLocation; }
    const std::shared_ptr<QOVAnimationRenderer>& animationRenderer() const { return m_animationRenderer; }
    const std::shared_ptr<QOVAnimationManager>& animationManager() const { return m_animationManager; }
    const std::shared_ptr<QOVAnnotation>& currentLocationAnnotation() const { return m_currentLocationAnnotation; }
    std::int32_t poiType() const { return m_poiType; }
    void setPoiType(std::int32_t type) { m_poiType = type; }
    const std::vector<std::shared_ptr<QOVPointOfInterest>>& POIs() const { return m_POIs; }
    double overlayAlpha() const { return m_overlayAlpha; }
    // A new value goes to the renderer and rebuilds the overlay when one is shown.
    void setOverlayAlpha(double alpha);

    void viewDidLoad() override;
    void viewWillDisappear(bool animated) override;
    // The view went (a memory warning): both listenings end, a running loop stops, the map and the renderer
    // go. The place shown is forgotten with its pin, so that a view loaded again is centred and pinned anew.
    void viewDidUnload() override;

    void mapConfigurationChanged(const std::shared_ptr<QOVMapTileConfig>& configuration) override;
    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;

    virtual void updateMapLayerWithName(std::string name);
    void setMapLayer(std::shared_ptr<QOVMapLayer> layer);
    // A tile overlay of the series; nullptr without a configuration or a series.
    std::shared_ptr<QOVTileOverlay> overlayForMapRect(const platform::map::MapRect& mapRect,
                                                      const std::shared_ptr<QOVMapSeries>& series);
    std::shared_ptr<QOVTileOverlay> currentOverlay() const;

    // The loop replaces the overlay while it plays; stopping brings the overlay back. A loop the animation manager
    // refuses (no layer, no frames) leaves the overlay as it was.
    virtual void startAnimations();
    virtual void stopAnimations();
    bool isAnimating() const { return m_animationManager && m_animationManager->isAnimating(); }
    void resizeAnimationRenderer(const platform::gfx::Rect& frame);

    // Type 0 asks for nothing. Answers come per tile, on the main loop, while the screen lives.
    void requestPOIsForType(std::int32_t type);
    // Clears the points out of sight and adds the list's points not already shown (same type and id).
    void plotPOIs(const std::shared_ptr<QOVPOIList>& list);
    // Removes the annotations outside the visible rect, never the current-location pin.
    void removeAllAnnotationsInMapRect(const platform::map::MapRect& mapRect);
    void addAnnotationAtCoordinate(const platform::geo::Coordinate& coordinate, std::string title);

    // Map view delegate.
    std::shared_ptr<platform::map::AnnotationView> viewForAnnotation(
        platform::map::MapView& mapView, const std::shared_ptr<platform::map::Annotation>& annotation) override;
    std::shared_ptr<platform::map::OverlayView> viewForOverlay(
        platform::map::MapView& mapView, const std::shared_ptr<platform::map::Overlay>& overlay) override;
    void regionWillChangeAnimated(platform::map::MapView& mapView, bool animated) override;
    void regionDidChangeAnimated(platform::map::MapView& mapView, bool animated) override;

    // Animation manager delegate.
    void animationOverlayDisplayedFrame(QOVAnimationManager& manager, std::uint32_t frame,
                                        const std::string& timeStamp) override;
    void loadingStarted() override { animationLoadStarted(); }
    void loadedFrame(std::uint32_t framesRendered) override;
    void allFramesLoaded() override { animationLoadFinished(); }
    void animationStopped(QOVAnimationManager& manager) override;

protected:
    // Loop feedback for the maps screen.
    virtual void updateTimeStamp(const std::string& timeStamp) { (void)timeStamp; }
    virtual void updateFrameNumber(std::uint32_t frame) { (void)frame; }
    virtual void updateTotalFrames(std::uint32_t totalFrames) { (void)totalFrames; }
    virtual void animationLoadStarted() {}
    virtual void animationLoaded(std::uint32_t framesRendered) { (void)framesRendered; }
    virtual void animationLoadFinished() {}

private:
    std::shared_ptr<QOVMapViewController> self() {
        return std::static_pointer_cast<QOVMapViewController>(shared_from_this());
    }
    std::string seriesTime() const;
    void showOverlay();

    std::shared_ptr<platform::map::MapView> m_mapView;
    std::shared_ptr<QOVMapTileConfig> m_mapConfig;
    std::shared_ptr<QOVMapLayer> m_mapLayer;
    std::shared_ptr<QOVMapSeries> m_mapSeries;
    std::shared_ptr<QOVLocation> m_currentLocation;
    double m_overlayAlpha = kDefaultOverlayAlpha;
    std::shared_ptr<QOVAnimationManager> m_animationManager = QOVAnimationManager::create();
    std::shared_ptr<QOVAnimationRenderer> m_animationRenderer;
    bool m_restartAnimations = false;
    std::shared_ptr<QOVAnnotation> m_currentLocationAnnotation;
    std::int32_t m_poiType = 0;
    std::vector<std::shared_ptr<QOVPointOfInterest>> m_POIs;
};

}  // namespace qov
