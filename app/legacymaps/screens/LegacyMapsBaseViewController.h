#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/core/cache/ApplicationCacheLocationChangedDelegate.h"
#include "app/legacymaps/controls/MapControlBar.h"
#include "app/legacymaps/controls/MapControlBarDelegate.h"
#include "app/legacymaps/map/MapView.h"
#include "app/legacymaps/tiles/QOVTileLoadedListener.h"
#include "app/ui/base/QOVViewController.h"

namespace qov {

class QOVLocation;

// The older tile map's screen base: the map view from the interface file (outlet qovMapView) and a control bar
// laid over it at the bottom. The bar drives the map view through this screen and hears of the frames shown from
// the map view's layer; turning the screen moves the bar and counts as a region change. Every orientation is
// allowed. Main thread only.
class LegacyMapsBaseViewController : public QOVViewController,
                                     public QOVTileLoadedListener,
                                     public MapControlBarDelegate,
                                     public ApplicationCacheLocationChangedDelegate {
public:
    explicit LegacyMapsBaseViewController(std::string nibName = {}) : QOVViewController(std::move(nibName)) {}
    ~LegacyMapsBaseViewController() override;

    std::optional<std::string> pageName() const override { return "Maps"; }
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation) const override { return true; }

    void viewDidLoad() override;
    void viewDidUnload() override;
    void didReceiveMemoryWarning() override;
    void willAnimateRotationToInterfaceOrientation(platform::ui::DeviceOrientation orientation,
                                                   double duration) override;
    void didRotateFromInterfaceOrientation(platform::ui::DeviceOrientation from) override;

    // QOVTileLoadedListener: the bar shows the frame's date and time.
    void tileLoadedWithTimeStamp(std::optional<platform::Date> timeStamp) override;
    // MapControlBarDelegate: passed on to the map view.
    void animateFuture(bool future) override;
    void overlayAnimated(bool animated) override;
    void overlaySelected(const MapOverlayType::Ptr& type) override;
    void poiChanged() override;
    // ApplicationCacheLocationChangedDelegate: the location is kept; the control bar writes times in its zone.
    void locationDataChanged(const std::shared_ptr<QOVLocation>& location) override;

    const std::shared_ptr<MapControlBar>& mapControlBar() const { return m_mapControlBar; }
    bool isPlaying() const { return m_playing; }
    const std::shared_ptr<QOVLocation>& currentLocation() const { return m_currentLocation; }

    std::shared_ptr<MapView> qovMapView;  // outlet

protected:
    void setPlaying(bool playing) { m_playing = playing; }

private:
    std::shared_ptr<MapControlBar> m_mapControlBar;
    bool m_playing = false;
    float m_zoomLevel = 8.0F;
    std::shared_ptr<QOVLocation> m_currentLocation;
};

}  // namespace qov
