// Runs the XPath utilities over arbitrary documents. The first byte picks one of the queries the application
// makes (or, from 0xF0 up, takes the expression from the input up to the first line break); the rest is the
// document. Every answer is walked with the node dictionary readers.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/xml/NSDictionaryQOV.h"
#include "app/core/xml/XMLParseUtilities.h"

namespace {

constexpr std::array<std::string_view, 8> kQueries = {
    "//*",        "/", "//text()", "//@*", "//item/title", "//namespace::*", "//comment() | //processing-instruction()",
    "count(//*)",
};
constexpr std::size_t kMaxExpressionLength = 64;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string_view query = kQueries[data[0] % kQueries.size()];
    if (data[0] >= 0xF0) {
        const std::size_t end = std::min(input.find('\n'), std::min(input.size(), kMaxExpressionLength));
        query = input.substr(0, end);
        input.remove_prefix(std::min(input.size(), end + 1));
    }
    std::optional<qov::XmlError> error;
    if (const auto nodes = qov::PerformXMLXPathQuery(input, query, &error)) {
        for (const auto& node : *nodes) {
            (void)qov::NSDictionaryQOV::subDictionaryWithKey(node, "item");
            (void)qov::NSDictionaryQOV::attributeWithKey(node, "id");
        }
    }
    return 0;
}
