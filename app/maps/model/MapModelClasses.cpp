#include "app/maps/model/MapModelClasses.h"

#include <mutex>

#include "app/core/model/ModelClasses.h"
#include "app/maps/model/QOVMapTileConfig.h"
#include "app/maps/model/QOVMapTileData.h"

namespace qov {

void registerMapModelClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        registerArchivableClass<QOVMapTileConfig>("QOVMapTileConfig");
        registerArchivableClass<QOVMapLayer>("QOVMapLayer");
        registerArchivableClass<QOVMapSeries>("QOVMapSeries");
        registerArchivableClass<QOVMapTileData>("QOVMapTileData");
    });
}

}  // namespace qov
