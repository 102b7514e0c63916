#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/maps/cache/MapTileReceiver.h"
#include "app/maps/model/QOVMapSeries.h"
#include "app/maps/overlay/QOVImageCacheEntry.h"
#include "platform/map/Overlay.h"

namespace qov {

class QOVTileOverlayView;

// The newest tiles of one series as an overlay over the whole world. It serves the tile image of a map rect at a
// zoom scale from a small image cache of its own (emptied when the zoom scale changes, pruned to the 13 newest
// entries of the process once it holds more than 12, off on "iPhone2," devices) or from the map cache's files;
// a tile without a file is fetched with the overlay as receiver and its rect redrawn when it arrives; drawings of
// the rect meanwhile do not ask for it again. A tile that arrives without a picture (its fetch failed) leaves its
// rect as it was drawn, without it: a later drawing asks the map cache again, which waits out a pause before it
// asks the tile server.
//
// Main thread only. Always owned by std::shared_ptr (made by create()). Its view is owned by the map view that
// shows it: view() answers the one shown, or makes a new one when none is alive.
class QOVTileOverlay : public platform::map::Overlay,
                       public MapTileReceiver,
                       public std::enable_shared_from_this<QOVTileOverlay> {
public:
    static constexpr std::size_t kImageCacheLimit = 12;

    static std::shared_ptr<QOVTileOverlay> create(const platform::map::MapRect& mapRect,
                                                  std::shared_ptr<QOVMapSeries> series, double alpha);

    platform::map::MapRect boundingMapRect() const override { return platform::map::kMapRectWorld; }
    bool intersectsMapRect(const platform::map::MapRect&) const override { return true; }

    const std::shared_ptr<QOVMapSeries>& series() const { return m_series; }
    const platform::map::MapRect& mapRect() const { return m_mapRect; }
    float zoomScale() const { return m_zoomScale; }
    std::shared_ptr<QOVTileOverlayView> view();

    // The tile image of the rect with the zoom scale as its scale factor, or nullptr while it is being fetched
    // (or cannot be had).
    std::shared_ptr<platform::ui::Image> tileImageForMapRect(const platform::map::MapRect& mapRect, float zoomScale);
    // "{{x, y}, {width, height}}:scale", the rect's numbers with one decimal, the scale with six.
    static std::string cacheKeyForMapRect(const platform::map::MapRect& mapRect, float zoomScale);
    std::shared_ptr<platform::ui::Image> cachedImageForKey(const std::string& key) const;
    void cacheImage(std::shared_ptr<platform::ui::Image> image, const std::string& key);
    void clearImageCache() { m_imageCache.clear(); }
    std::size_t cachedImageCount() const { return m_imageCache.size(); }

    // A tile asked for has arrived: its rect is drawn again when the tile has a picture.
    void mapTileReceived(const std::shared_ptr<QOVMapTileData>& tile) override;

private:
    QOVTileOverlay(const platform::map::MapRect& mapRect, std::shared_ptr<QOVMapSeries> series, double alpha);

    std::shared_ptr<QOVMapSeries> m_series;
    platform::map::MapRect m_mapRect;
    std::map<std::string, std::shared_ptr<QOVImageCacheEntry>> m_imageCache;
    std::set<std::string> m_quadKeysAwaited;  // asked of the map cache, not arrived yet
    std::weak_ptr<QOVTileOverlayView> m_view;
    double m_alpha;
    float m_zoomScale = 0;
    bool m_useCache;
};

}  // namespace qov
