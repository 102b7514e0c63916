#pragma once

#include <optional>
#include <string_view>

#include <simdjson.h>

namespace qov {

// Parses the answer texts of the model factory's configuration, search, point-of-interest, storm and tweet
// readers with one parser per thread. The root answered refers into that thread's parser: it is valid until
// the same thread parses again.
class JsonDocumentParser {
public:
    // The root of the document, or nullopt when the text is not JSON.
    static std::optional<simdjson::dom::element> parse(std::string_view json);
};

}  // namespace qov
