// Feeds arbitrary text to the point-of-interest reader and archives the points as the cache's tile list.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVPOIList.h"
#include "fuzz/ModelFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto points = qov::QOVModelFactory::sharedInstance()->pointOfInterestUsingJSON(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (points.empty()) {
        return 0;
    }
    qov::QOVPOIList list;
    list.setQuadKey("0320023113");
    list.setType(static_cast<std::uint32_t>(points.front()->poiType()));
    list.setPoiLocations(std::move(points));
    volatile bool stale = list.isStale();
    (void)stale;
    qovfuzz::exerciseArchiveRoundTrip(list);
    return 0;
}
