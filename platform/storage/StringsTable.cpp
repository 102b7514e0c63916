#include "platform/storage/StringsTable.h"

#include <cstdint>
#include <optional>

#include "platform/base/Log.h"
#include "platform/storage/Utf8.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) {
        if (m_text.starts_with("\xEF\xBB\xBF")) {
            m_at = 3;
        }
    }

    // Skips blanks and comments; answers false at the end of the text or in an unterminated comment.
    bool skipSpace() {
        while (m_at < m_text.size()) {
            const char current = m_text[m_at];
            if (current == ' ' || current == '\t' || current == '\n' || current == '\r') {
                ++m_at;
            } else if (m_text.substr(m_at).starts_with("//")) {
                const std::size_t end = m_text.find('\n', m_at);
                m_at = end == std::string_view::npos ? m_text.size() : end + 1;
            } else if (m_text.substr(m_at).starts_with("/*")) {
                const std::size_t end = m_text.find("*/", m_at + 2);
                if (end == std::string_view::npos) {
                    m_at = m_text.size();
                    m_unterminatedComment = true;
                    return false;
                }
                m_at = end + 2;
            } else {
                return true;
            }
        }
        return false;
    }

    bool expect(char wanted) {
        if (!skipSpace() || m_text[m_at] != wanted) {
            return false;
        }
        ++m_at;
        return true;
    }

    std::optional<std::string> quoted() {
        if (!expect('"')) {
            return std::nullopt;
        }
        std::string out;
        while (m_at < m_text.size()) {
            const char current = m_text[m_at++];
            if (current == '"') {
                return out;
            }
            if (current != '\\') {
                out.push_back(current);
                continue;
            }
            if (m_at >= m_text.size()) {
                break;
            }
            const char escaped = m_text[m_at++];
            switch (escaped) {
                case 'n': out.push_back('\n'); break;
                case 't': out.push_back('\t'); break;
                case 'r': out.push_back('\r'); break;
                case 'U':
                case 'u': {
                    auto codePoint = hex4();
                    if (!codePoint) {
                        return std::nullopt;
                    }
                    // A high surrogate joins the low surrogate escaped right after it.
                    if (*codePoint >= 0xD800 && *codePoint < 0xDC00 && m_text.substr(m_at).size() >= 6 &&
                        m_text[m_at] == '\\' && (m_text[m_at + 1] == 'U' || m_text[m_at + 1] == 'u')) {
                        const std::size_t mark = m_at;
                        m_at += 2;
                        const auto low = hex4();
                        if (low && *low >= 0xDC00 && *low < 0xE000) {
                            *codePoint = 0x10000 + ((*codePoint - 0xD800) << 10) + (*low - 0xDC00);
                        } else {
                            m_at = mark;
                        }
                    }
                    if (*codePoint >= 0xD800 && *codePoint < 0xE000) {
                        return std::nullopt;  // a lone surrogate is no character
                    }
                    appendUtf8(out, *codePoint);
                    break;
                }
                default: out.push_back(escaped); break;  // \" \\ \' and any other character stand for themselves
            }
        }
        return std::nullopt;
    }

    bool atEnd() { return !skipSpace(); }
    bool unterminatedComment() const { return m_unterminatedComment; }
    std::size_t position() const { return m_at; }
    void resumeAfterLineOf(std::size_t position) {
        const std::size_t end = m_text.find('\n', position);
        m_at = end == std::string_view::npos ? m_text.size() : end + 1;
    }
    std::size_t lineOf(std::size_t position) const {
        std::size_t line = 1;
        for (std::size_t at = 0; at < position && at < m_text.size(); ++at) {
            line += m_text[at] == '\n' ? 1 : 0;
        }
        return line;
    }

private:
    std::optional<std::uint32_t> hex4() {
        if (m_text.size() - m_at < 4) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (int digit = 0; digit < 4; ++digit) {
            const char current = m_text[m_at++];
            value <<= 4;
            if (current >= '0' && current <= '9') {
                value |= static_cast<std::uint32_t>(current - '0');
            } else if (current >= 'a' && current <= 'f') {
                value |= static_cast<std::uint32_t>(current - 'a' + 10);
            } else if (current >= 'A' && current <= 'F') {
                value |= static_cast<std::uint32_t>(current - 'A' + 10);
            } else {
                return std::nullopt;
            }
        }
        return value;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    bool m_unterminatedComment = false;
};

}  // namespace

StringsTable::Entries StringsTable::parse(std::string_view text, std::string_view sourceName) {
    Entries entries;
    Parser parser(text);
    while (!parser.atEnd()) {
        const std::size_t start = parser.position();
        auto key = parser.quoted();
        bool complete = key.has_value() && parser.expect('=');
        auto value = complete ? parser.quoted() : std::nullopt;
        complete = value.has_value() && parser.expect(';');
        if (complete) {
            entries.insert_or_assign(std::move(*key), std::move(*value));
        } else {
            QOV_LOG_WARN("{}:{}: skipped a malformed entry", sourceName, parser.lineOf(start));
            parser.resumeAfterLineOf(start);
        }
    }
    if (parser.unterminatedComment()) {
        QOV_LOG_WARN("{}: unterminated comment at the end", sourceName);
    }
    return entries;
}

}  // namespace platform
