#include "platform/ui/ScreenDump.h"

#include <fmt/format.h>

#include "platform/ui/Application.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/PopupView.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"

namespace platform::ui {

namespace {

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (char character : text) {
        if (character == '\n') {
            result += "\\n";
        } else if (character == '"' || character == '\\') {
            result += '\\';
            result += character;
        } else {
            result += character;
        }
    }
    return result + "\"";
}

}  // namespace

void ScreenDump::dumpTree(std::string& out, View& view, Point origin, const Rect& visible, int depth) {
    if (view.isHidden() || view.alpha() <= 0.0) {
        return;
    }
    const Rect frame = view.frame();
    const Rect onScreen = frame.offsetBy(origin.x, origin.y);
    if (!onScreen.intersects(visible)) {
        return;
    }
    out += std::string(static_cast<std::size_t>(depth) * 2, ' ');
    out += view.className() + " " + onScreen.description();
    if (const std::string text = view.text(); !text.empty()) {
        out += " " + quoted(text);
    }
    out += "\n";
    const Rect childVisible = view.clipsToBounds() ? visible.intersection(onScreen) : visible;
    const Point childOrigin{onScreen.x() - view.bounds().x(), onScreen.y() - view.bounds().y()};
    for (const auto& subview : std::vector(view.subviews())) {
        dumpTree(out, *subview, childOrigin, childVisible, depth + 1);
    }
}

std::string ScreenDump::dumpView(View& view) {
    view.layoutIfNeeded();
    std::string out;
    const Rect inWindow = view.frameInWindow();
    const Rect frame = view.frame();
    dumpTree(out, view, Point{inWindow.x() - frame.x(), inWindow.y() - frame.y()}, Screen::bounds(), 0);
    return out;
}

std::string ScreenDump::dumpScreen() {
    std::string out;
    if (auto window = Application::shared().keyWindow(); window && !window->isHidden()) {
        window->layoutIfNeeded();
        const Rect frame = window->frame();
        const Point origin{frame.x() - window->bounds().x(), frame.y() - window->bounds().y()};
        for (const auto& layer : window->visibleSubviews()) {
            dumpTree(out, *layer, origin, Screen::bounds(), 0);
        }
    }
    for (const auto& popup : std::vector(PopupRegistry::shared().visible())) {
        popup->layoutIfNeeded();
        dumpTree(out, *popup, Point{}, Screen::bounds(), 0);
    }
    return out;
}

}  // namespace platform::ui
