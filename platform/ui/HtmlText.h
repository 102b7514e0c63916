#pragma once

#include <string>
#include <string_view>

namespace platform::ui {

// What a web view shows of a plain HTML page: its <title> and the text of its <body>, without tags, scripts
// or styles, entities for &, <, >, quotes and spaces decoded, white space collapsed. Any input is safe; a page
// without a title answers an empty title.
struct HtmlText {
    std::string title;
    std::string text;

    static HtmlText fromHtml(std::string_view html);
};

}  // namespace platform::ui
