#pragma once

namespace qov {

class QOVTileLoader;

// Told by a tile loader, on the main thread, how its download ended.
class QOVTileLoaderProtocol {
public:
    virtual ~QOVTileLoaderProtocol() = default;
    virtual void updateTile(QOVTileLoader& loader) = 0;
    virtual void failedToLoadTile(QOVTileLoader& loader) = 0;
};

}  // namespace qov
