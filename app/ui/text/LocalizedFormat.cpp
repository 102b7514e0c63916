#include "app/ui/text/LocalizedFormat.h"

#include "platform/storage/Bundle.h"

namespace qov {

std::string localized(const std::string& key) { return platform::Bundle::main().localizedString(key); }

std::string formatWithObject(std::string_view format, std::string_view argument) {
    std::string text(format);
    if (const auto at = text.find("%@"); at != std::string::npos) {
        text.replace(at, 2, argument);
    }
    return text;
}

std::string replacingOccurrences(std::string_view text, std::string_view what, std::string_view with) {
    if (what.empty()) {
        return std::string(text);
    }
    std::string result;
    std::size_t from = 0;
    for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, from)) {
        result.append(text.substr(from, at - from)).append(with);
        from = at + what.size();
    }
    return result.append(text.substr(from));
}

}  // namespace qov
