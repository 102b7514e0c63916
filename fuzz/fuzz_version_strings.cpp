// Feeds two version texts (the input split at its first line break) to the settings service's version
// readers, and checks that the comparison is a consistent order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/core/services/QOVSettingsService.h"

namespace {

int sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string_view first = input.substr(0, split);
    const std::string_view second = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    volatile std::uint64_t numbers = qov::QOVSettingsService::versionStringAsNumber(std::string(first)) +
                                     qov::QOVSettingsService::versionStringAsNumber(std::string(second));
    (void)numbers;
    using qov::QOVSettingsService;
    if (QOVSettingsService::compareVersions(first, first) != 0 ||
        sign(QOVSettingsService::compareVersions(first, second)) !=
            -sign(QOVSettingsService::compareVersions(second, first))) {
        std::abort();
    }
    return 0;
}
