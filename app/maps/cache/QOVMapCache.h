#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/core/cache/ApplicationCache.h"
#include "app/maps/cache/MapConfigurationListener.h"
#include "app/maps/cache/MapTileReceiver.h"
#include "app/maps/datasource/QOVTileServerDatasource.h"
#include "app/maps/model/QOVMapTileConfig.h"
#include "app/maps/model/QOVMapTileData.h"
#include "platform/base/OperationQueue.h"
#include "platform/base/RunLoop.h"
#include "platform/base/WeakListenerList.h"
#include "platform/map/MapRect.h"
#include "platform/storage/AppDirectories.h"

namespace qov {

// The process's store of map tiles and of the tile configuration, in the folder "MapCache" of the caches
// directory: each fetched tile as a keyed archive of its QOVMapTileData (MapTileFileName), the configuration
// as "MapTileConfig.Cache". It keeps the configuration fresh through its QOVTileServerDatasource: validation
// at creation, every 900 s on the main loop, whenever a configuration listener registers, when the
// application becomes active (the application delegate then calls startListeningForMapConfigWithDelegate with
// no listener) and when the network becomes reachable again requests the series list when there is no
// configuration or it is stale (1200 s), and otherwise deletes the tile files of runs and series the
// configuration no longer lists. A stale configuration keeps serving (listeners get it, its tile files stay)
// until a fresh one replaces it, so the maps work from the disk without a network. A tile that failed is not
// asked for again during a pause (QOVTileServerDatasource), except that a new configuration or the network coming
// back lets every tile be asked for at once. It also answers the tile-grid questions of the map screens and asks
// the application cache for the points of interest of a map rect.
//
// Grid: 256-pixel quadkey tiles over the 2^28-point map; at level z a tile is
// 256 * 2^(20 - z) map points wide. The level of a zoom scale s (screen points per map point) is
// 20 + floor(log2(s) + 0.5), at least 0 and at most 23; a scale that is not a finite positive number has no
// tiles. Tiles are listed in rows from north to south, each from west to east; rows outside the world are left
// out, columns past the 180th meridian take the quadkey of the column they repeat.
//
// Threads: the operations may be called from any thread; one recursive lock guards the listeners and the tile
// files. Listeners and receivers are held weakly and are called on the main loop, on a later turn (except the
// immediate answer to a registration, on the registering thread), never under the lock. Made by create() or
// sharedInstance(), always owned by std::shared_ptr.
class QOVMapCache : public std::enable_shared_from_this<QOVMapCache> {
public:
    using TileList = std::vector<std::shared_ptr<QOVMapTileData>>;

    static constexpr double kValidationInterval = 900.0;
    static constexpr int kDeepestZoomLevel = 23;
    static constexpr const char* kFolderName = platform::AppDirectories::kMapCacheFolder;
    static constexpr const char* kConfigurationFileName = "MapTileConfig.Cache";

    // The process instance, made on first use over ApplicationCachesDirectory::path() and a datasource aimed at
    // the information list's hosts. Thread-safe.
    static std::shared_ptr<QOVMapCache> sharedInstance();
    // Tests and the runner: install an instance (nullptr: the next sharedInstance() makes a fresh one).
    static void setSharedInstance(std::shared_ptr<QOVMapCache> instance);
    // A cache over "<cachesDirectory>/MapCache" that fetches through datasource. Schedules the validation timer
    // on the main loop and validates at once.
    static std::shared_ptr<QOVMapCache> create(std::filesystem::path cachesDirectory,
                                               std::shared_ptr<QOVTileServerDatasource> datasource);
    QOVMapCache(std::filesystem::path cachesDirectory, std::shared_ptr<QOVTileServerDatasource> datasource);
    ~QOVMapCache();
    QOVMapCache(const QOVMapCache&) = delete;
    QOVMapCache& operator=(const QOVMapCache&) = delete;

    const std::shared_ptr<QOVTileServerDatasource>& datasource() const { return m_datasource; }

    // Configuration.
    // Adds the listener (once) and answers it at once with the configuration at hand (the file's when none is
    // in memory), stale or not; requests the series list when there is none or it is stale. A null listener
    // only does the latter part.
    void startListeningForMapConfigWithDelegate(const std::shared_ptr<MapConfigurationListener>& listener);
    void stopListeningForMapConfigWithDelegate(const std::shared_ptr<MapConfigurationListener>& listener);
    // The action of the series-list request: keeps the configuration, writes its file, lets tiles that failed be
    // asked for at once, and tells every listener on a later turn. A null configuration changes nothing.
    void storeConfiguration(const std::shared_ptr<QOVMapTileConfig>& configuration);
    std::shared_ptr<QOVMapTileConfig> currentTileConfig() const;
    // The configuration of the file; nullptr when it is missing or does not unarchive.
    std::shared_ptr<QOVMapTileConfig> cachedConfiguration() const;
    // Cancels the series-list request and deletes the configuration file (the one in memory stays).
    void removeAllConfigurations();
    // The current configuration's offset (0 without one) and local zone (nullopt without one).
    double configurationOffset() const;
    std::optional<std::string> configurationLocalZone() const;
    void validateTileCache();

    // Tiles. A series names its layer, date and (for a forecast frame) its run's master date.
    // The tile from its file (delivered with the given map rect) or from the service. The file is read and its
    // picture decoded on a worker thread (TileFileRead); a missing file is fetched at once, unless the tile is
    // fetched already (its file being written: the tile is delivered from memory; its transfer under way: the
    // receiver joins it) or failed a short while ago (the datasource's pause: it is delivered without image data,
    // and nothing is asked).
    void cachedTileForSeries(const std::shared_ptr<QOVMapSeries>& series, const std::string& quadKey,
                             const platform::map::MapRect& mapRect, const std::shared_ptr<MapTileReceiver>& receiver);
    // The same for the rect's first tile; a tile read from its file keeps its stored map rect.
    void cachedTileForSeries(const std::shared_ptr<QOVMapSeries>& series, const platform::map::MapRect& mapRect,
                             float zoomScale, const std::shared_ptr<MapTileReceiver>& receiver);
    // Whether the rect's first tile has a file; when not, starts fetching it for the receiver.
    bool hasCachedTileForSeries(const std::shared_ptr<QOVMapSeries>& series, const platform::map::MapRect& mapRect,
                                float zoomScale, const std::shared_ptr<MapTileReceiver>& receiver);
    // The rect's first tile from its file, or nullptr; never fetches.
    std::shared_ptr<QOVMapTileData> cachedTileForSeries(const std::shared_ptr<QOVMapSeries>& series,
                                                        const platform::map::MapRect& mapRect, float zoomScale);
    // The rect's tiles read from their files, in grid order (unreadable files left out).
    TileList alreadyCachedTilesSeries(const std::shared_ptr<QOVMapSeries>& series,
                                      const platform::map::MapRect& mapRect, float zoomScale);
    // The rect's grid tiles that have no file.
    TileList tilesToCacheForSeries(const std::shared_ptr<QOVMapSeries>& series, const platform::map::MapRect& mapRect,
                                   float zoomScale);
    void cacheTiles(const TileList& tiles, const std::shared_ptr<QOVMapSeries>& series,
                    const std::shared_ptr<MapTileReceiver>& receiver = nullptr);
    // The action of every tile request: has a tile with image data written to its file on a worker
    // (TileFileWrite, kFileWritesAtOnce at a time), then hands the tile (with or without data) to the receiver
    // on a later turn.
    void storeTileWithUserInfo(const TileRequestResult& result);
    // Also ends the receiver's file reads.
    void cancelAllTileRequestsForDelegate(const std::shared_ptr<MapTileReceiver>& receiver);
    void cancelAllTileRequests();
    // Drops the tile files not yet written, then deletes every tile file.
    void removeAllTileCaches();

    // Tile listeners: registration, removal and announcements all take effect on a later main-loop turn.
    void startListeningForTileDataWithDelegate(const std::shared_ptr<MapTileReceiver>& listener);
    void stopListeningForTileDataWithDelegate(const std::shared_ptr<MapTileReceiver>& listener);
    void notifyDelegatesForTileData(const std::shared_ptr<QOVMapTileData>& tile);

    // Points of interest of a kind (0: none) in every tile of the rect, through the application cache, which
    // answers each tile separately through callback.
    void cachedPOIType(std::int32_t type, const platform::map::MapRect& mapRect, float zoomScale,
                       const ApplicationCache::POIListCallback& callback);

    // Grid: the map's shared grid (platform::map::MapTileGrid) down to kDeepestZoomLevel.
    static int zoomLevelForZoomScale(float zoomScale);
    // Tiles carrying only their quadkey and map rect; none for a rect that asks for more than
    // MapTileGrid::kMaxCells (a zoom scale far from the rect's size).
    static TileList tilesInMapRect(const platform::map::MapRect& mapRect, float zoomScale);
    static std::uint32_t rowsInFrameForMapRect(const platform::map::MapRect& mapRect, float zoomScale);
    // The grid's quadkey (platform::map::MapTileGrid::quadKey).
    static std::string quadKeyForX(std::uint32_t x, std::uint32_t y, int zoomLevel);

    // Files.
    // nullopt when the layer, dates or quadkey are not usable names.
    static std::optional<std::string> fileNameForSeries(const QOVMapSeries& series, const std::string& quadKey);
    // The path of a file in the folder; the empty name gives the folder.
    std::filesystem::path cachesPathURLWithFileName(const std::string& fileName) const;
    static bool cacheFileExistsForPath(const std::filesystem::path& path);
    // The file a series' tile is kept in when it is there; nullopt otherwise.
    std::optional<std::filesystem::path> existingTileFile(const QOVMapSeries& series, const std::string& quadKey) const;
    // The tile or configuration a file holds; nullptr when it cannot be read or holds something else.
    static std::shared_ptr<QOVMapTileData> createMapTileFromDataInCachePath(const std::filesystem::path& path);
    static std::shared_ptr<QOVMapTileConfig> createMapConfigFromDataInCachePath(const std::filesystem::path& path);
    // Writes atomically, creating the folder when missing; failures are logged.
    bool createOrReplaceFile(const std::filesystem::path& path, const platform::Archivable& object) const;
    static void removeCacheFile(const std::filesystem::path& path);
    // Names of the folder's tile files, in name order.
    std::vector<std::string> pathsForCurrentTileCacheFiles() const;

private:
    friend class TileFileRead;
    friend class TileFileWrite;
    // Tile files read at once, and written at once.
    static constexpr int kFileReadsAtOnce = 4;
    static constexpr int kFileWritesAtOnce = 2;

    void start();
    std::shared_ptr<QOVMapTileConfig> configurationForListening();
    void requestSeriesList();
    // Reachability came back: tiles that failed may be asked for at once, and a missing or stale configuration is
    // asked for by a new request.
    void networkReturned();
    void pruneTileFiles(const QOVMapTileConfig& configuration);
    void fetchTile(const QOVMapSeries& series, const std::string& quadKey, const platform::map::MapRect& mapRect,
                   const std::shared_ptr<MapTileReceiver>& receiver);
    // The tile of a file when it reads back with image data; an unreadable file is deleted (logged).
    std::shared_ptr<QOVMapTileData> readTileFile(const std::filesystem::path& path);
    // A TileFileWrite of that file has ended.
    void tileFileWritten(const std::filesystem::path& path);
    static void deliverLater(const std::weak_ptr<MapTileReceiver>& receiver, std::shared_ptr<QOVMapTileData> tile);

    const std::filesystem::path m_folder;
    const std::shared_ptr<QOVTileServerDatasource> m_datasource;
    mutable std::recursive_mutex m_mutex;
    platform::WeakListenerList<MapConfigurationListener> m_mapConfigListeners;
    platform::WeakListenerList<MapTileReceiver> m_tileCacheListeners;
    std::shared_ptr<QOVMapTileConfig> m_currentTileConfig;
    std::shared_ptr<platform::Timer> m_timer;
    // Fetched tiles by file name, from their arrival until their TileFileWrite has ended.
    std::map<std::string, std::shared_ptr<QOVMapTileData>> m_tilesBeingWritten;
    std::unique_ptr<platform::OperationQueue> m_fileQueue;       // TileFileReads
    std::unique_ptr<platform::OperationQueue> m_fileWriteQueue;  // TileFileWrites
};

}  // namespace qov
