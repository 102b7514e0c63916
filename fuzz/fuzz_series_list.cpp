// Feeds arbitrary bytes to the tile server's series-list reader, then asks the configuration what the maps
// screens ask and archives it as the map tile cache does.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/model/MapModelClasses.h"
#include "app/maps/model/MapSeriesBuilder.h"
#include "fuzz/ModelFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qov::registerMapModelClasses();
    auto builder = qov::MapSeriesBuilder::create();
    builder->buildWithXML(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto configuration = builder->tileConfig();
    if (!configuration) {
        return 0;
    }
    volatile std::size_t sink = 0;
    for (const auto& [type, layer] : configuration->mapLayers()) {
        sink = sink + configuration->futureTileSeriesForLayer(type, true).size() +
               configuration->futureTileSeriesForLayer(type, false).size();
        for (const auto& series : layer->availableSeries()) {
            // Every name that reached the configuration must make a file name.
            if (!qov::QOVMapCache::fileNameForSeries(*series, "0320")) {
                __builtin_trap();
            }
            sink = sink + series->description().size();
        }
    }
    qovfuzz::exerciseArchiveRoundTrip(*configuration);
    return 0;
}
