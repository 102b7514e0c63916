#include "platform/ui/ScreenDump.h"

#include "platform/base/PrintableText.h"
#include "platform/ui/VisibleViews.h"

namespace platform::ui {

namespace {

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (char character : text) {
        if (character == '"' || character == '\\') {
            result += '\\';
        }
        result += character;
    }
    return printableText(result) + "\"";
}

std::string dumpOf(const std::vector<VisibleView>& views) {
    std::string out;
    for (const auto& shown : views) {
        if (shown.covered) {
            continue;
        }
        const View& view = *shown.view;
        out += std::string(static_cast<std::size_t>(shown.depth) * 2, ' ');
        out += view.className() + " " + shown.frame.description();
        if (const std::string text = view.text(); !text.empty()) {
            out += " " + quoted(text);
        }
        for (const auto& fact : view.dumpState()) {
            out += " " + fact;
        }
        out += "\n";
    }
    return out;
}

}  // namespace

std::string ScreenDump::dumpView(View& view) { return dumpOf(VisibleViews::ofTree(view)); }

std::string ScreenDump::dumpScreen() { return dumpOf(VisibleViews::onScreen()); }

}  // namespace platform::ui
