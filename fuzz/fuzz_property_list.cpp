// Feeds arbitrary bytes to the guarded property-list readers (XML, as user defaults and Info.plist are read, and
// binary, as archives are read) and converts whatever parses to values and back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/storage/PropertyList.h"

namespace {

void roundTrip(const platform::PlistNode& node) {
    if (!node) {
        return;
    }
    const platform::Value value = platform::PropertyList::toValue(node.get());
    const platform::PlistNode again = platform::PropertyList::fromValue(value);
    if (again) {
        (void)platform::PropertyList::binaryBytes(again.get());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string problem;
    roundTrip(platform::PropertyList::parseXml(bytes, problem));
    roundTrip(platform::PropertyList::parseBinary(bytes, problem));
    return 0;
}
