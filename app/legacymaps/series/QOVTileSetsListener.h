#pragma once

#include <string>

namespace qov {

// Told by QOVTileSets that the tiles of an overlay changed.
class QOVTileSetsListener {
public:
    virtual ~QOVTileSetsListener() = default;
    virtual void tilesUpdatedForOverlay(const std::string& key) = 0;
};

}  // namespace qov
