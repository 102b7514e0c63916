#include "platform/ui/HtmlText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace platform::ui {

namespace {

std::string lowered(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string decodeEntities(std::string_view text) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> kEntities{{{"&amp;", "&"},
                                                                                             {"&lt;", "<"},
                                                                                             {"&gt;", ">"},
                                                                                             {"&quot;", "\""},
                                                                                             {"&#39;", "'"},
                                                                                             {"&apos;", "'"},
                                                                                             {"&nbsp;", " "}}};
    std::string decoded;
    for (std::size_t at = 0; at < text.size();) {
        const auto entity = std::find_if(kEntities.begin(), kEntities.end(),
                                         [&](const auto& pair) { return text.substr(at).starts_with(pair.first); });
        if (entity == kEntities.end()) {
            decoded += text[at++];
        } else {
            decoded += entity->second;
            at += entity->first.size();
        }
    }
    return decoded;
}

// The text with tags removed (a block-level tag leaves a space), then entities decoded and spaces collapsed.
std::string plainText(std::string_view html, const std::string& lower) {
    std::string text;
    for (std::size_t at = 0; at < html.size();) {
        if (html[at] != '<') {
            text += html[at++];
            continue;
        }
        for (const char* skipped : {"<script", "<style", "<head"}) {
            if (lower.compare(at, std::char_traits<char>::length(skipped), skipped) == 0) {
                const std::string closing = std::string("</") + (skipped + 1);
                const auto end = lower.find(closing, at);
                at = end == std::string::npos ? html.size() : end;
                break;
            }
        }
        const auto close = html.find('>', at);
        at = close == std::string_view::npos ? html.size() : close + 1;
        text += ' ';
    }
    std::string collapsed;
    for (const char c : decodeEntities(text)) {
        const bool space = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (!space) {
            collapsed += c;
        } else if (!collapsed.empty() && collapsed.back() != ' ') {
            collapsed += ' ';
        }
    }
    if (!collapsed.empty() && collapsed.back() == ' ') {
        collapsed.pop_back();
    }
    return collapsed;
}

}  // namespace

HtmlText HtmlText::fromHtml(std::string_view html) {
    const auto lower = lowered(html);
    HtmlText page;
    const auto titleTag = lower.find("<title");
    const auto titleStart = titleTag == std::string::npos ? std::string::npos : lower.find('>', titleTag);
    const auto titleEnd = titleStart == std::string::npos ? std::string::npos : lower.find("</title", titleStart);
    if (titleEnd != std::string::npos) {
        page.title = plainText(html.substr(titleStart + 1, titleEnd - titleStart - 1),
                               lower.substr(titleStart + 1, titleEnd - titleStart - 1));
    }
    page.text = plainText(html, lower);
    return page;
}

}  // namespace platform::ui
