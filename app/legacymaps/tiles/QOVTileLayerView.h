#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "app/legacymaps/cache/LRUCachedDictionary.h"
#include "app/legacymaps/map/MapViewUpdatedDelegate.h"
#include "app/legacymaps/overlay/MapOverlayType.h"
#include "app/legacymaps/series/QOVTileSeries.h"
#include "app/legacymaps/tiles/QOVTileLoadedListener.h"
#include "app/legacymaps/tiles/QOVTileLoader.h"
#include "app/legacymaps/tiles/QOVTileSubView.h"
#include "platform/base/RunLoop.h"
#include "platform/gfx/AffineTransform.h"
#include "platform/map/MapTileGrid.h"
#include "platform/ui/View.h"

namespace qov {

class QOVLocation;

// The weather-tile layer of the older tile map. The map view feeds it the map's centre, zoom level, overlay type
// and location; it works out which 256-pixel tiles of the Web Mercator grid at its layer zoom level lie in view,
// takes them from its tile cache or downloads them (at most 3 loaders at a time), shows each through a
// QOVTileSubView, and plays the overlay's time slices on a 0.5 s main-loop timer. The cache holds at most
// kTileCacheSize tiles, never stale: a tile stored past that pushes out the one least recently read.
//
// Main thread only (the loader list and the download checks are locked all the same). Make it with create(): it
// listens to the tile series (held weakly there). Redraws are coalesced onto the next main-loop turn. teardown()
// detaches it completely: off its superview, loop stopped, loaders cancelled, no listener left; release does the
// same but for the superview. The tile-loaded listener and the update delegate are held weakly.
//
// Grid rules: rows outside the world are skipped; columns wrap (a column past the antimeridian keeps its place
// and takes the address of the column it repeats); a range never holds more columns than the world. A tile that
// failed is asked for again only 60 s after its failure.
class QOVTileLayerView : public platform::ui::View, public QOVTileSeriesListener, public QOVTileLoaderProtocol {
public:
    static constexpr int kTileSize = 256;
    static constexpr double kLoopInterval = 0.5;
    static constexpr double kFailedTileBackOff = 60.0;
    static constexpr std::size_t kTileCacheSize = 24;
    static constexpr double kMaxLongitude = 180.0;
    // The layer's tiles: the map's shared grid down to level 19.
    static constexpr platform::map::MapTileGrid kTileGrid{19};

    // The tiles in view: columns and rows, both ends included.
    struct TileRange {
        int firstColumn = 0;
        int lastColumn = -1;
        int firstRow = 0;
        int lastRow = -1;
        friend bool operator==(const TileRange&, const TileRange&) = default;
    };

    static std::shared_ptr<QOVTileLayerView> create(
        const platform::gfx::Rect& frame, std::shared_ptr<QOVTileSeries> tileSeries = QOVTileSeries::sharedInstance());
    QOVTileLayerView(const platform::gfx::Rect& frame, std::shared_ptr<QOVTileSeries> tileSeries);
    ~QOVTileLayerView() override;

    // Grid and projection: the map's quadkeys (platform::map::MapTileGrid) and its Mercator with its latitude
    // limit (platform::map::MapProjection) on a world of 2^zoomLevel tiles of tileSize pixels.
    static std::string quadKeyForX(int x, int y, int zoomLevel);
    // Latitude 35 to 60 and longitude -15 to 19 (point: x longitude, y latitude).
    static bool isEuroRad(platform::gfx::Point point);
    static platform::gfx::Point pixelForPoint(platform::gfx::Point point, int zoomLevel, int tileSize);
    static platform::gfx::Point pointForPixel(platform::gfx::Point pixel, int zoomLevel, int tileSize);
    // floor(zoom + 0.5) - 1 within 1 to 19, then at most the layer's maxZoom (no layer, no cap).
    static int zoomLevelForLayer(const QOVLayer* layer, float zoom);
    // The tiles the bounds cover through the inverse of the view transform (kTileGrid.spanCovering).
    static TileRange tileRangeFor(const platform::gfx::Rect& bounds, const platform::gfx::AffineTransform& transform,
                                  int layerZoomLevel);

    // A unix-date text in milliseconds plus the tile series' offset, as a date; nullopt for no number.
    std::optional<platform::Date> tileDateWithString(const std::string& unixDate) const;

    // Position and zoom.
    platform::gfx::Point centerPoint() const { return m_centerPoint; }
    // Longitude (x) and latitude (y), clamped to the Mercator world (±180, ±platform::map::kMaxLatitude);
    // not-a-number values are ignored.
    void setCenterPoint(platform::gfx::Point point);
    platform::gfx::Point centerPixel() const { return m_centerPixel; }
    void setCenterPixel(platform::gfx::Point pixel);
    float zoomLevel() const { return m_zoomLevel; }
    void setZoomLevel(float zoom);
    int layerZoomLevel() const { return m_layerZoomLevel; }
    float viewSize() const { return m_viewSize; }

    // What is shown.
    const std::shared_ptr<QOVLayer>& tileLayer() const { return m_layer; }
    void setTileLayer(std::shared_ptr<QOVLayer> layer);
    const MapOverlayType::Ptr& mapType() const { return m_mapType; }
    void setMapType(MapOverlayType::Ptr type);
    const std::shared_ptr<QOVLocation>& location() const { return m_location; }
    void setLocation(std::shared_ptr<QOVLocation> location);
    bool showFuture() const { return m_showFuture; }
    void useFutureTimeSlices(bool future) { m_showFuture = future; }
    int timeSlice() const { return m_timeSlice; }
    int numberOfTimeSlices() const { return m_numTimeSlices; }
    bool isAnimating() const { return m_animating; }
    bool isLayerReady() const;
    int getCacheType(int value) const;

    void setTileLoadedListener(std::weak_ptr<QOVTileLoadedListener> listener) {
        m_tileLoadedListener = std::move(listener);
    }
    void setUpdateDelegate(std::weak_ptr<MapViewUpdatedDelegate> delegate) { m_updateDelegate = std::move(delegate); }
    std::shared_ptr<MapViewUpdatedDelegate> updateDelegate() const { return m_updateDelegate.lock(); }

    // Reactions.
    void setupCurrentSeries();
    void seriesDataLoaded() override;
    void regionChanged();
    void viewReset() { clearSubViews(); }
    void resetCache();
    void didReceiveMemoryWarning();
    void resetTileDownload();
    void cancelAllPendingOperations();
    void teardown();

    // The loop.
    void startAnimation();
    void stopAnimation();
    void updateAnimatedTile();

    // Loader callbacks.
    void updateTile(QOVTileLoader& loader) override;
    void failedToLoadTile(QOVTileLoader& loader) override;

    // Inspection (tests, the screen dump).
    TileRange tileRange() const { return m_range; }
    std::size_t loadingCount() const;
    std::size_t shownSubViewCount() const { return m_subViewTiles.size(); }
    std::size_t cachedTileCount() const { return m_tileCache.count(); }
    const platform::gfx::AffineTransform& viewTransform() const { return m_viewTransform; }
    std::string text() const override;

private:
    // The drawing pass: places the tiles in view and queues the missing ones.
    void drawTiles();
    void requestRedraw();
    void calcTransform();
    void applyZoom(float zoom, int layerZoom);
    // The tile of the current series at the column (unwrapped) and row, its address and its cache identifier.
    std::string urlForX(int column, int row, int zoomLevel, int timeSlice) const;
    std::string cacheIdentifier(int column, int row, int timeSlice) const;
    std::shared_ptr<QOVTile> cachedTile(const std::string& identifier);
    std::shared_ptr<QOVTile> tileForX(int column, int row, int timeSlice);
    bool mayRequest(const std::string& url);
    void queueForDownload(const std::shared_ptr<QOVTile>& tile);
    void drawSubView(const std::shared_ptr<QOVTile>& tile, const std::string& identifier);
    void releaseSubView(const std::string& identifier);
    void reclaimSubViews();
    void clearSubViews();
    void downloadMoreTiles();
    int downloadTiles(int timeSlice);
    int previousSlice(int slice) const;
    std::shared_ptr<QOVLayer> chooseLayer(bool future) const;
    MapOverlayType::Ptr translatedType() const;
    std::optional<platform::Date> dateOfSlice(const std::shared_ptr<QOVLayer>& layer, int slice) const;
    void announceTimeStamp(std::optional<platform::Date> timeStamp);
    void removeLoader(QOVTileLoader& loader);
    void stopTimer();
    std::string identifierOf(const QOVTile& tile) const;

    platform::gfx::Point m_centerPixel;
    float m_zoomLevel = 8.0F;
    float m_viewSize;
    bool m_centerPixelValid = false;
    platform::gfx::Point m_centerPoint;
    float m_drawViewSize;
    LRUCachedDictionary m_tileCache;
    // The cache identifiers made so far by column, row and slice, for the layer, overlay, layer zoom level, regional
    // swap and tiles in view they were made for: a loop tick looks its tiles up instead of building their addresses.
    struct IdentifierMemo {
        std::shared_ptr<QOVLayer> layer;
        MapOverlayType::Ptr type;
        int zoomLevel = 0;
        bool euroRad = false;
        TileRange range;
        std::map<std::tuple<int, int, int>, std::string> identifiers;
    };
    mutable IdentifierMemo m_identifierMemo;
    int m_layerZoomLevel = 8;
    float m_tileScalingFactor = 1.0F;
    TileRange m_range;
    platform::gfx::AffineTransform m_viewTransform;
    std::map<std::string, std::shared_ptr<QOVTileSubView>> m_subViewTiles;
    std::vector<std::shared_ptr<QOVTileSubView>> m_availSubViews;
    MapOverlayType::Ptr m_mapType;
    std::optional<platform::Date> m_timestamp;
    std::weak_ptr<QOVTileLoadedListener> m_tileLoadedListener;
    std::vector<std::shared_ptr<QOVTileLoader>> m_loadingTiles;
    std::map<std::string, platform::Date> m_failedTiles;
    std::shared_ptr<QOVTileSeries> m_tileSeries;
    std::shared_ptr<QOVLayer> m_layer;
    int m_timeSlice = 0;
    int m_downloadTimeSlice = 0;
    int m_downloadCount = 0;
    int m_numTimeSlices = 0;
    std::shared_ptr<QOVLocation> m_location;
    std::shared_ptr<platform::Timer> m_timer;
    bool m_showFuture = false;
    std::weak_ptr<MapViewUpdatedDelegate> m_updateDelegate;
    bool m_animating = false;
    int m_loadingPass = 0;
    bool m_drawing = false;
    bool m_downloading = false;
    bool m_redrawPending = false;
    mutable std::recursive_mutex m_mutex;
};

}  // namespace qov
