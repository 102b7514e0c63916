#include "platform/ui/ScriptLine.h"

#include <charconv>
#include <cmath>

namespace platform::ui {

namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr int kLargestOrdinal = 1000;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Splits a trailing " #N" off text; false when the ordinal is malformed.
bool takeOrdinal(std::string_view& text, int& ordinal) {
    const auto hash = text.rfind('#');
    if (hash == std::string_view::npos || (hash > 0 && kBlanks.find(text[hash - 1]) == std::string_view::npos)) {
        return true;
    }
    const std::string_view digits = text.substr(hash + 1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return true;  // "#" followed by anything else is part of the text
    }
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size() || value < 1 || value > kLargestOrdinal) {
        return false;
    }
    ordinal = value;
    text = trimmed(text.substr(0, hash));
    return true;
}

// Reads a quoted text at the start of text (after the opening quote); answers the rest after the closing quote.
std::optional<std::string_view> takeQuoted(std::string_view text, std::string& out) {
    for (std::size_t index = 0; index < text.size(); ++index) {
        const char character = text[index];
        if (character == '"') {
            return text.substr(index + 1);
        }
        if (character == '\\' && index + 1 < text.size() && (text[index + 1] == '"' || text[index + 1] == '\\')) {
            out += text[++index];
        } else {
            out += character;
        }
    }
    return std::nullopt;
}

}  // namespace

ScriptLine ScriptLine::parse(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == '#') {
        return {};
    }
    const auto blank = text.find_first_of(kBlanks);
    if (blank == std::string_view::npos) {
        return ScriptLine{std::string(text), {}};
    }
    return ScriptLine{std::string(text.substr(0, blank)), std::string(trimmed(text.substr(blank)))};
}

std::optional<ScriptTarget> ScriptTarget::parse(std::string_view argument) {
    ScriptTarget target;
    std::string_view rest = trimmed(argument);
    if (!rest.empty() && rest.front() == '@') {
        const auto blank = rest.find_first_of(kBlanks);
        target.className = std::string(rest.substr(1, blank == std::string_view::npos ? rest.npos : blank - 1));
        rest = blank == std::string_view::npos ? std::string_view() : trimmed(rest.substr(blank));
        if (target.className.empty()) {
            return std::nullopt;
        }
    }
    if (!takeOrdinal(rest, target.ordinal)) {
        return std::nullopt;
    }
    if (!rest.empty() && rest.front() == '"') {
        std::string text;
        const auto after = takeQuoted(rest.substr(1), text);
        if (!after || !trimmed(*after).empty()) {
            return std::nullopt;
        }
        target.text = std::move(text);
    } else if (!rest.empty()) {
        target.text = std::string(rest);
    }
    if (target.className.empty() && !target.text) {
        return std::nullopt;
    }
    return target;
}

std::string ScriptTarget::description() const {
    std::string out = className.empty() ? "" : "@" + className;
    if (text) {
        out += (out.empty() ? "\"" : " \"") + *text + "\"";
    }
    if (ordinal != 1) {
        out += " #" + std::to_string(ordinal);
    }
    return out;
}

std::vector<std::string> scriptWords(std::string_view argument) {
    std::vector<std::string> words;
    std::size_t position = 0;
    while ((position = argument.find_first_not_of(kBlanks, position)) != std::string_view::npos) {
        const auto end = argument.find_first_of(kBlanks, position);
        words.emplace_back(argument.substr(position, end == std::string_view::npos ? argument.npos : end - position));
        position = end;
    }
    return words;
}

TrailingWords splitTrailingWords(std::string_view argument, std::size_t count) {
    TrailingWords result;
    std::string_view rest = trimmed(argument);
    while (result.words.size() < count && !rest.empty()) {
        const auto blank = rest.find_last_of(kBlanks);
        const std::size_t start = blank == std::string_view::npos ? 0 : blank + 1;
        result.words.insert(result.words.begin(), std::string(rest.substr(start)));
        rest = trimmed(rest.substr(0, start));
    }
    result.head = std::string(rest);
    return result;
}

std::optional<double> scriptNumber(std::string_view word) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace platform::ui
