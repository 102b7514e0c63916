#pragma once

#include <map>
#include <string>
#include <string_view>

namespace platform {

// A localisation table: UTF-8 lines of the form "key" = "value"; with the escapes \" \\ \n \t \r and \UXXXX
// (\uXXXX too, surrogate pairs joined), and /* */ and // comments. A malformed entry is logged and skipped from
// its line to the end of that line; the entries after it are kept. A later entry for the same key wins.
class StringsTable {
public:
    using Entries = std::map<std::string, std::string, std::less<>>;

    // sourceName names the table in log lines.
    static Entries parse(std::string_view text, std::string_view sourceName);
};

}  // namespace platform
