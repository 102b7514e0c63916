// Feeds arbitrary text to the type-ahead reader and archives every result it reads.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVTypeAheadLocation.h"
#include "fuzz/ModelFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto locations = qov::QOVModelFactory::sharedInstance()->typeAheadLocationsUsingJSON(
        std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& location : locations) {
        volatile std::size_t sink = location->displayName().size() + location->identifierAsString().size();
        (void)sink;
        qovfuzz::exerciseArchiveRoundTrip(*location);
    }
    return 0;
}
