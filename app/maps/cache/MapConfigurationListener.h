#pragma once

#include <memory>

#include "app/maps/model/QOVMapTileConfig.h"

namespace qov {

// Told by the map tile cache about each tile configuration it stores, on the main loop. A listener that
// registers while a fresh configuration is at hand is told at once, on the registering thread. Listeners are
// held weakly.
class MapConfigurationListener {
public:
    virtual ~MapConfigurationListener() = default;
    virtual void mapConfigurationChanged(const std::shared_ptr<QOVMapTileConfig>& configuration) = 0;
};

}  // namespace qov
