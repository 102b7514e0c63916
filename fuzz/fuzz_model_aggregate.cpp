// Feeds arbitrary text to the location-aggregate reader; a location it builds is then archived, read back and
// asked for the values the weather screens derive from it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVModelFactory.h"
#include "fuzz/ModelFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto location = qov::QOVModelFactory::sharedInstance()->modelUsingJSON(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (location) {
        qovfuzz::exerciseLocation(*location);
        qovfuzz::exerciseArchiveRoundTrip(*location);
    }
    return 0;
}
