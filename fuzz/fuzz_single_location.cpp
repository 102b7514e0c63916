// Feeds arbitrary text to the location-only reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVModelFactory.h"
#include "fuzz/ModelFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto location = qov::QOVModelFactory::sharedInstance()->singleLocationFromJSON(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (location) {
        qovfuzz::exerciseLocation(*location);
    }
    return 0;
}
