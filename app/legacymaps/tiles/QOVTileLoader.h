#pragma once

#include <memory>

#include "app/legacymaps/tiles/QOVTile.h"
#include "app/legacymaps/tiles/QOVTileLoaderProtocol.h"

namespace qov {

class CachedAsyncURLRequest;

// Downloads one tile's bytes through the older tile map's cached request and tells its callback (held weakly)
// on the main thread. Cancelling stops the transfer under way and forgets the callback; a loader that is
// released cancels too. Main thread only; make it with std::make_shared (the request reaches it weakly).
class QOVTileLoader : public std::enable_shared_from_this<QOVTileLoader> {
public:
    QOVTileLoader(std::shared_ptr<QOVTile> tile, std::weak_ptr<QOVTileLoaderProtocol> callback);
    ~QOVTileLoader();
    QOVTileLoader(const QOVTileLoader&) = delete;
    QOVTileLoader& operator=(const QOVTileLoader&) = delete;

    const std::shared_ptr<QOVTile>& tile() const { return m_tile; }
    // Cancels an earlier request, then asks for the tile's URL as raw bytes (cache interval 300 s); bytes that fail
    // the PNG check for a tile (platform::gfx::PngCheck) are a failure, never kept.
    void download();
    void cancel();

private:
    void success(const platform::Data& data);
    void failure();

    std::shared_ptr<QOVTile> m_tile;
    std::shared_ptr<CachedAsyncURLRequest> m_request;
    std::weak_ptr<QOVTileLoaderProtocol> m_callback;
};

}  // namespace qov
