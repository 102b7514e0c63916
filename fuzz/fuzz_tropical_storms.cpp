// Feeds arbitrary text to the tropical storm reader and looks at every storm it reads.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVTropicalStorm.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto storms = qov::QOVModelFactory::sharedInstance()->tropicalStormDataUsingJSON(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (!storms) {
        return 0;
    }
    volatile std::size_t sink = 0;
    for (const auto& storm : *storms) {
        sink = sink + storm->stormName().size() + static_cast<std::size_t>(storm->isAtlanticStorm()) +
               static_cast<std::size_t>(storm->windSpeed()) + storm->nearDistance().size();
    }
    return 0;
}
