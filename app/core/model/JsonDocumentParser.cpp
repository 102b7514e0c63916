#include "app/core/model/JsonDocumentParser.h"

namespace qov {

std::optional<simdjson::dom::element> JsonDocumentParser::parse(std::string_view json) {
    thread_local simdjson::dom::parser parser;
    simdjson::dom::element root;
    if (parser.parse(json.data(), json.size()).get(root) != simdjson::SUCCESS) {
        return std::nullopt;
    }
    return root;
}

}  // namespace qov
