// Feeds arbitrary text to the configuration reader; a configuration it reads is asked for every attribute of
// every category and archived and read back.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/model/QOVMobileAppConfig.h"
#include "app/core/model/QOVModelFactory.h"
#include "fuzz/ModelFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto config = qov::QOVModelFactory::sharedInstance()->configurationUsingJSON(
        std::string_view(reinterpret_cast<const char*>(data), size), "fuzz", 900.0);
    if (!config) {
        return 0;
    }
    volatile std::size_t sink = config->applicationId().size();
    for (const auto& category : config->allCategories()) {
        const platform::Value* values = platform::valueForKey(config->configurations(), category);
        if (values == nullptr || values->ifDictionary() == nullptr) {
            sink = sink + config->stringForAttribute("", category).has_value();
            continue;
        }
        for (const auto& [attribute, value] : *values->ifDictionary()) {
            sink = sink + config->stringForAttribute(attribute, category).value_or("").size() +
                   static_cast<std::size_t>(config->intForAttribute(attribute, category)) +
                   static_cast<std::size_t>(config->boolForAttribute(attribute, category));
        }
    }
    qovfuzz::exerciseArchiveRoundTrip(*config);
    return 0;
}
