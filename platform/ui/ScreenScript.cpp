#include "platform/ui/ScreenScript.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <optional>
#include <vector>

#include "platform/base/RunLoop.h"
#include "platform/ui/Application.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/PopupView.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"

namespace platform::ui {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Visits the views on screen from front to back (subviews before their superview); stops when the visitor
// answers true. Hidden, transparent and untouchable views are skipped with their subviews.
bool visitFrontToBack(View& view, const std::function<bool(View&)>& visitor) {
    if (view.isHidden() || view.alpha() <= 0.0 || !view.isUserInteractionEnabled()) {
        return false;
    }
    const auto subviews = view.subviews();
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it) {
        if (visitFrontToBack(**it, visitor)) {
            return true;
        }
    }
    return visitor(view);
}

bool visitScreen(const std::function<bool(View&)>& visitor) {
    auto window = Application::shared().keyWindow();
    if (!window || window->isHidden()) {
        return false;
    }
    window->layoutIfNeeded();
    const auto layers = window->visibleSubviews();
    for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
        if (visitFrontToBack(**it, visitor)) {
            return true;
        }
    }
    return false;
}

std::optional<int> parseIndex(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool ScreenScript::execute(const std::string& rawLine) {
    if (m_quit) {
        return false;
    }
    const std::string line = trimmed(rawLine);
    if (line.empty() || line.front() == '#') {
        return true;
    }
    const auto space = line.find(' ');
    const std::string command = line.substr(0, space);
    const std::string argument = space == std::string::npos ? "" : trimmed(line.substr(space + 1));
    if (command == "quit") {
        m_quit = true;
        return false;
    }
    if (command == "tap") {
        tap(argument);
    } else if (command == "type") {
        type(argument);
    } else if (command == "select") {
        select(argument);
    } else if (command == "alert") {
        alert(argument);
    } else if (command == "wait") {
        wait(argument);
    } else if (command == "dump") {
        m_output << ScreenDump::dumpScreen() << std::flush;
    } else if (command == "shot") {
        shot(argument);
    } else {
        fail("unknown command \"" + command + "\"");
    }
    RunLoop::main().runUntilIdle();
    return true;
}

void ScreenScript::run(std::istream& input) {
    std::string line;
    while (!m_quit && std::getline(input, line)) {
        execute(line);
    }
}

bool ScreenScript::runFile(const std::string& path) {
    std::ifstream file(path);
    if (!file) {
        return fail("cannot read the script " + path);
    }
    run(file);
    return true;
}

bool ScreenScript::fail(const std::string& message) {
    ++m_failures;
    m_output << "error: " << message << "\n" << std::flush;
    return false;
}

bool ScreenScript::tap(const std::string& text) {
    if (text.empty()) {
        return fail("tap needs the text to tap");
    }
    if (auto popup = PopupRegistry::shared().top()) {
        // An alert or sheet takes every tap while it shows.
        return popup->tapText(text) || fail("the alert in front has no button \"" + text + "\"");
    }
    if (visitScreen([&](View& view) { return view.tapText(text); })) {
        return true;
    }
    return fail("nothing on screen shows \"" + text + "\"");
}

bool ScreenScript::type(const std::string& text) {
    auto responder = Responder::firstResponder();
    if (auto field = std::dynamic_pointer_cast<TextField>(responder)) {
        field->typeText(text);
    } else if (auto searchBar = std::dynamic_pointer_cast<SearchBar>(responder)) {
        searchBar->typeText(text);
    } else if (auto textView = std::dynamic_pointer_cast<TextView>(responder)) {
        textView->typeText(text);
    } else {
        return fail("no field is being edited (tap one first)");
    }
    return true;
}

bool ScreenScript::select(const std::string& argument) {
    const auto index = parseIndex(argument);
    if (!index) {
        return fail("select needs a segment index");
    }
    if (PopupRegistry::shared().top()) {
        return fail("an alert is in front");
    }
    std::shared_ptr<SegmentedControl> control;
    visitScreen([&](View& view) {
        if (auto* segments = dynamic_cast<SegmentedControl*>(&view)) {
            control = std::static_pointer_cast<SegmentedControl>(segments->shared_from_this());
            return true;
        }
        return false;
    });
    if (!control) {
        return fail("no segmented control on screen");
    }
    return control->tapSegment(*index) || fail("the segmented control has no segment " + argument);
}

bool ScreenScript::alert(const std::string& argument) {
    const auto index = parseIndex(argument);
    if (!index) {
        return fail("alert needs a button index");
    }
    auto popup = PopupRegistry::shared().top();
    if (!popup) {
        return fail("no alert on screen");
    }
    if (*index < 0 || *index >= popup->numberOfButtons()) {
        return fail("the alert has no button " + argument);
    }
    popup->clickButtonAtIndex(*index);
    return true;
}

bool ScreenScript::wait(const std::string& argument) {
    double seconds = 0.0;
    const auto [end, error] = std::from_chars(argument.data(), argument.data() + argument.size(), seconds);
    if (argument.empty() || error != std::errc() || end != argument.data() + argument.size() || seconds < 0.0 ||
        seconds > 86400.0) {
        return fail("wait needs a number of seconds");
    }
    RunLoop::main().runFor(seconds);
    return true;
}

bool ScreenScript::shot(const std::string& path) {
    if (path.empty()) {
        return fail("shot needs a file name");
    }
    if (!ScreenRenderer::writeScreen(path)) {
        return fail("cannot write " + path);
    }
    return true;
}

}  // namespace platform::ui
