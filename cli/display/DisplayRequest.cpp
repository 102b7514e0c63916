#include "cli/display/DisplayRequest.h"

#include <charconv>
#include <cstdint>
#include <vector>

namespace qovcli {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

bool sameLetters(std::string_view text, std::string_view lowercase) {
    if (text.size() != lowercase.size()) {
        return false;
    }
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char letter = text[index] >= 'A' && text[index] <= 'Z' ? char(text[index] - 'A' + 'a') : text[index];
        if (letter != lowercase[index]) {
            return false;
        }
    }
    return true;
}

int hexDigit(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    return -1;
}

// A query's part with its escapes (%XX, and '+' for a space) decoded; a '%' without two hex digits stays as it is.
std::string decoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] == '+') {
            out += ' ';
        } else if (text[index] == '%' && index + 2 < text.size() && hexDigit(text[index + 1]) >= 0 &&
                   hexDigit(text[index + 2]) >= 0) {
            out += char(hexDigit(text[index + 1]) * 16 + hexDigit(text[index + 2]));
            index += 2;
        } else {
            out += text[index];
        }
    }
    return out;
}

void readQuery(std::string_view query, std::map<std::string, std::string>& parameters) {
    while (!query.empty()) {
        const auto end = query.find('&');
        const std::string_view pair = query.substr(0, end);
        const auto equals = pair.find('=');
        parameters.emplace(decoded(pair.substr(0, equals)),
                           equals == std::string_view::npos ? std::string() : decoded(pair.substr(equals + 1)));
        query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
    }
}

std::vector<std::string_view> lines(std::string_view head) {
    std::vector<std::string_view> found;
    while (!head.empty()) {
        const auto end = head.find('\n');
        std::string_view line = head.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        found.push_back(line);
        head = end == std::string_view::npos ? std::string_view() : head.substr(end + 1);
    }
    return found;
}

bool readRequestLine(std::string_view line, DisplayRequest& request) {
    const auto firstSpace = line.find(' ');
    const auto lastSpace = line.rfind(' ');
    if (firstSpace == std::string_view::npos || firstSpace == 0 || lastSpace == firstSpace) {
        return false;
    }
    const std::string_view target = line.substr(firstSpace + 1, lastSpace - firstSpace - 1);
    const std::string_view version = line.substr(lastSpace + 1);
    if (target.empty() || target.front() != '/' || target.find(' ') != std::string_view::npos ||
        (version != "HTTP/1.1" && version != "HTTP/1.0")) {
        return false;
    }
    request.method = std::string(line.substr(0, firstSpace));
    const auto question = target.find('?');
    request.path = std::string(target.substr(0, question));
    if (question != std::string_view::npos) {
        readQuery(target.substr(question + 1), request.parameters);
    }
    return true;
}

}  // namespace

std::string DisplayRequest::parameter(const std::string& name) const {
    const auto found = parameters.find(name);
    return found == parameters.end() ? std::string() : found->second;
}

std::optional<std::uint64_t> plainCount(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<DisplayRequest> readDisplayRequestHead(std::string_view head) {
    const auto headLines = lines(head);
    DisplayRequest request;
    if (headLines.empty() || !readRequestLine(headLines.front(), request)) {
        return std::nullopt;
    }
    bool lengthGiven = false;
    for (std::size_t index = 1; index < headLines.size(); ++index) {
        const std::string_view line = headLines[index];
        if (line.empty()) {
            break;  // the end of the head
        }
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0) {
            return std::nullopt;
        }
        const std::string_view name = line.substr(0, colon);
        const std::string_view value = trimmed(line.substr(colon + 1));
        if (sameLetters(name, "host")) {
            request.host = std::string(value);
        } else if (sameLetters(name, "content-length")) {
            const auto length = plainCount(value);
            if (!length || lengthGiven) {
                return std::nullopt;
            }
            lengthGiven = true;
            request.contentLength = static_cast<std::size_t>(*length);
        } else if (sameLetters(name, "transfer-encoding")) {
            return std::nullopt;
        }
    }
    return request;
}

}  // namespace qovcli
