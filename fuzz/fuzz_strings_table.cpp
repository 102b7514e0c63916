// Feeds arbitrary bytes to the localisation-table reader.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/storage/StringsTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto entries = platform::StringsTable::parse(text, "fuzz");
    volatile std::size_t count = entries.size();
    (void)count;
    return 0;
}
