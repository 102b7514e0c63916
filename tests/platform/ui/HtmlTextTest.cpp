#include "platform/ui/HtmlText.h"

#include <gtest/gtest.h>

namespace {

TEST(HtmlTextTest, TitleAndBodyTextWithoutMarkup) {
    struct Case {
        const char* html;
        const char* title;
        const char* text;
    };
    const Case cases[] = {
        {"<html><head><title>Help &amp; "
         "Tips</title><style>p{}</style></head><body><h1>Tips</h1>\n<p>One&nbsp;&lt;two&gt;"
         "</p><script>var x = '<p>';</script></body></html>",
         "Help & Tips", "Tips One <two>"},
        {"<p>No title", "", "No title"},
        {"<title>Cut", "", "Cut"},
        {"text <b", "", "text"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const auto page = platform::ui::HtmlText::fromHtml(c.html);
        EXPECT_EQ(page.title, c.title) << c.html;
        EXPECT_EQ(page.text, c.text) << c.html;
    }
}

}  // namespace
