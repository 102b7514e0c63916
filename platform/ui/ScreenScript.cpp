#include "platform/ui/ScreenScript.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <mutex>
#include <utility>

#include "platform/base/PrintableText.h"
#include "platform/base/ProcessInstance.h"
#include "platform/base/RunLoop.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/PopupView.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/ScriptLine.h"
#include "platform/ui/ScriptTargets.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/VisibleViews.h"

namespace platform::ui {

namespace {

constexpr double kLongestWaitSeconds = 86400.0;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

constexpr std::array<std::string_view, 12> kBuiltInCommands{"tap",    "scroll", "drag", "pinch", "type", "key",
                                                            "select", "alert",  "wait", "dump",  "shot", "quit"};

std::map<std::string, ScreenScript::Command, std::less<>>& registeredCommands() {
    static NeverDestroyed<std::map<std::string, ScreenScript::Command, std::less<>>> commands;
    return *commands;
}

// A whole number in int's range written with digits (and a sign) only, or nullopt.
std::optional<int> parseIndex(const std::string& text) {
    if (text.find_first_not_of("-0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const auto number = scriptNumber(text);
    // The range is checked on the double: converting one outside int's range is undefined.
    if (!number || *number < std::numeric_limits<int>::min() || *number > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(*number);
}

// Reads on through the rest of a line too long to run, a buffer's length at a time, up to its end (or the end of
// the input, or a read error); false when it has not ended after kLongestSkippedLine bytes.
bool skipRestOfLine(std::istream& input, std::string& buffer) {
    const auto size = static_cast<std::streamsize>(buffer.size());
    for (std::size_t skipped = 0; skipped < ScreenScript::kLongestSkippedLine; skipped += buffer.size() - 1) {
        input.clear();
        input.getline(buffer.data(), size);
        if (!input.fail() || input.eof() || input.bad()) {
            return true;
        }
    }
    return false;
}

constexpr int kMostFingersOrTaps = 5;

// The text without its first blank-separated word and the blanks that follow it (the text starts unblank).
std::string afterFirstWord(const std::string& text) {
    const std::size_t end = text.find_first_of(" \t");
    const std::size_t next = end == std::string::npos ? end : text.find_first_not_of(" \t", end);
    return next == std::string::npos ? std::string() : text.substr(next);
}

// The gesture that leading "--taps N" and "--touches N" options of a tap ask for, and the rest of the
// argument (the target); nullopt when an option lacks a count of 1 to kMostFingersOrTaps.
std::optional<std::pair<TapGesture, std::string>> tapGesture(std::string argument) {
    TapGesture gesture;
    for (;;) {
        const std::vector<std::string> words = scriptWords(argument);
        const bool taps = !words.empty() && words[0] == "--taps";
        if (!taps && (words.empty() || words[0] != "--touches")) {
            return std::pair{gesture, argument};
        }
        const auto count = words.size() > 1 ? parseIndex(words[1]) : std::nullopt;
        if (!count || *count < 1 || *count > kMostFingersOrTaps) {
            return std::nullopt;
        }
        (taps ? gesture.taps : gesture.touches) = *count;
        argument = afterFirstWord(afterFirstWord(argument));
    }
}

}  // namespace

bool ScreenScript::registerCommand(const std::string& name, Command command) {
    if (name.empty() || std::ranges::find(kBuiltInCommands, name) != kBuiltInCommands.end() ||
        name.find_first_of(" \t\r\n") != std::string::npos) {
        return false;
    }
    if (command) {
        registeredCommands()[name] = std::move(command);
    } else {
        registeredCommands().erase(name);
    }
    return true;
}

bool ScreenScript::execute(const std::string& rawLine) {
    if (m_quit) {
        return false;
    }
    if (rawLine.size() >= kLineLimit) {
        return tooLong(std::string_view(rawLine).substr(0, kLongLineEcho));
    }
    const ScriptLine line = ScriptLine::parse(rawLine);
    const std::string& command = line.command;
    const std::string& argument = line.argument;
    if (command.empty()) {
        return true;
    }
    if (command == "quit") {
        m_quit = true;
        return false;
    }
    if (command == "tap") {
        tap(argument);
    } else if (command == "scroll") {
        scroll(argument);
    } else if (command == "drag") {
        drag(argument);
    } else if (command == "pinch") {
        pinch(argument);
    } else if (command == "type") {
        type(argument);
    } else if (command == "key") {
        key(argument);
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
    } else if (const auto found = registeredCommands().find(command); found != registeredCommands().end()) {
        const Command handler = found->second;  // the handler may register commands
        if (const auto error = handler(argument)) {
            fail(*error);
        }
    } else {
        fail("unknown command \"" + command + "\"");
    }
    RunLoop::main().runUntilIdle();
    return true;
}

bool ScreenScript::run(std::istream& input) {
    // At most kLineLimit - 1 bytes of a line are held (getline() keeps the last byte for its NUL).
    std::string line(kLineLimit, '\0');
    bool first = true;
    while (!m_quit && m_output) {
        input.getline(line.data(), static_cast<std::streamsize>(line.size()));
        const auto length = static_cast<std::size_t>(input.gcount());
        if (input.bad() || (input.eof() && length == 0)) {
            break;
        }
        const bool firstLine = std::exchange(first, false);
        if (input.fail() && !input.eof()) {
            // kLineLimit - 1 bytes and no line end after them: a line too long to be a command.
            tooLong(std::string_view(line.data(), kLongLineEcho));
            if (!skipRestOfLine(input, line)) {
                return fail("a script line goes on past " + std::to_string(kLongestSkippedLine) +
                            " bytes: the script ends there");
            }
            continue;
        }
        // gcount() counts the line end that getline() took but did not store.
        const bool ended = !input.eof();
        std::string_view text(line.data(), ended && length > 0 ? length - 1 : length);
        // Editors that save UTF-8 with a byte-order mark put one before the first command.
        if (firstLine && text.starts_with(kByteOrderMark)) {
            text.remove_prefix(kByteOrderMark.size());
        }
        execute(std::string(text));
    }
    if (input.bad()) {
        return fail("reading the script failed");
    }
    return true;
}

bool ScreenScript::tooLong(std::string_view start) {
    return fail("a script line reaches the limit of " + std::to_string(kLineLimit) + " bytes: " + std::string(start) +
                "...");
}

bool ScreenScript::runFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return fail("cannot read the script " + path + ": it is a folder");
    }
    std::ifstream file(path);
    if (!file) {
        return fail("cannot read the script " + path + ": " + std::strerror(errno));
    }
    return run(file);
}

bool ScreenScript::fail(const std::string& message) {
    ++m_failures;
    m_errors << "error: " << printableText(message) << "\n" << std::flush;
    return false;
}

bool ScreenScript::tap(const std::string& rawArgument) {
    // "--if-alert" is for an alert that may or may not have come (a first launch's one-time notice).
    const std::vector<std::string> words = scriptWords(rawArgument);
    const bool onlyIfAlert = !words.empty() && words[0] == "--if-alert";
    const auto gesture = tapGesture(onlyIfAlert ? afterFirstWord(rawArgument) : rawArgument);
    if (!gesture) {
        return fail("tap --taps and --touches take a count from 1 to " + std::to_string(kMostFingersOrTaps));
    }
    const std::string& argument = gesture->second;
    const auto target = ScriptTarget::parse(argument);
    if (!target) {
        return fail(argument.empty() ? "tap needs the text to tap" : "tap cannot aim at " + argument);
    }
    const auto popup = PopupRegistry::shared().top();
    if (onlyIfAlert && !popup) {
        return true;
    }
    if (popup) {
        // An alert or sheet takes every tap while it shows.
        if (!target->text || !target->className.empty() || target->ordinal != 1 || !gesture->first.isSingleTap()) {
            return fail("an alert is in front: tap one of its buttons by its title");
        }
        return popup->tapText(*target->text) || fail("the alert in front has no button \"" + *target->text + "\"");
    }
    const auto view = ScriptTargets::find(*target, ScriptTargets::Reach::Touchable);
    if (!view) {
        return fail("nothing on screen shows " + target->description());
    }
    return ScriptTargets::tap(*view, target->text.value_or(view->text()), gesture->first) ||
           fail(target->description() + " does not respond to " +
                (gesture->first.isSingleTap() ? std::string("taps") : std::string("that gesture")));
}

bool ScreenScript::scroll(const std::string& argument) {
    const auto target = ScriptTarget::parse(argument);
    if (!target) {
        return fail("scroll needs what to bring into view");
    }
    if (PopupRegistry::shared().top()) {
        return fail("an alert is in front");
    }
    const auto view = ScriptTargets::find(*target, ScriptTargets::Reach::Scrollable);
    if (!view) {
        return fail("nothing on screen or scrolled away shows " + target->description());
    }
    const auto superview = view->superview();
    const auto scrollView = superview ? ScriptTargets::enclosingScrollView(*superview) : nullptr;
    if (!scrollView) {
        return fail(target->description() + " is not inside a scroll view");
    }
    const Rect shown = view->frameInWindow();
    const Rect port = scrollView->frameInWindow();
    // The least move that brings the view in (its leading edge first when it is larger than the port).
    const auto move = [](double start, double end, double portStart, double portEnd) {
        if (start < portStart) {
            return start - portStart;
        }
        return end > portEnd ? std::min(end - portEnd, start - portStart) : 0.0;
    };
    const double dx = move(shown.x(), shown.maxX(), port.x(), port.maxX());
    const double dy = move(shown.y(), shown.maxY(), port.y(), port.maxY());
    if (dx != 0.0 || dy != 0.0) {
        const Point offset = scrollView->contentOffset();
        scrollView->drag(Point{offset.x + dx, offset.y + dy});
    }
    return true;
}

bool ScreenScript::drag(const std::string& argument) {
    const TrailingWords parts = splitTrailingWords(argument, 2);
    const auto dx = parts.words.size() == 2 ? scriptNumber(parts.words[0]) : std::nullopt;
    const auto dy = parts.words.size() == 2 ? scriptNumber(parts.words[1]) : std::nullopt;
    const auto target = dx && dy ? ScriptTarget::parse(parts.head) : std::nullopt;
    if (!target) {
        return fail("drag needs what to drag and how far: drag TARGET DX DY");
    }
    if (PopupRegistry::shared().top()) {
        return fail("an alert is in front");
    }
    const auto view = ScriptTargets::find(*target, ScriptTargets::Reach::Visible);
    if (!view) {
        return fail("nothing on screen shows " + target->description());
    }
    if (ScriptTargets::drag(*view, *dx, *dy)) {
        return true;
    }
    const auto scrollView = ScriptTargets::enclosingScrollView(*view);
    if (!scrollView) {
        return fail(target->description() + " is not inside a scroll view");
    }
    scrollView->dragBy(*dx, *dy);
    return true;
}

bool ScreenScript::pinch(const std::string& argument) {
    const TrailingWords parts = splitTrailingWords(argument, 1);
    const auto scale = parts.words.size() == 1 ? scriptNumber(parts.words[0]) : std::nullopt;
    const auto target = scale ? ScriptTarget::parse(parts.head) : std::nullopt;
    if (!target || !(*scale > 0.0)) {
        return fail("pinch needs what to pinch and a scale above 0: pinch TARGET SCALE");
    }
    if (PopupRegistry::shared().top()) {
        return fail("an alert is in front");
    }
    const auto view = ScriptTargets::find(*target, ScriptTargets::Reach::Visible);
    if (!view) {
        return fail("nothing on screen shows " + target->description());
    }
    const Rect bounds = view->bounds();
    if (!ScriptTargets::pinch(*view, *scale,
                              Point{bounds.x() + bounds.width() / 2, bounds.y() + bounds.height() / 2})) {
        return fail("nothing zooms at " + target->description());
    }
    return true;
}

bool ScreenScript::type(const std::string& text) {
    return Keyboard::type(text) || fail("no field is being edited (tap one first)");
}

bool ScreenScript::key(const std::string& argument) {
    const bool isReturn = argument == "return" || argument == "search";
    if (!isReturn && argument != "backspace") {
        return fail("key takes return, search or backspace");
    }
    return (isReturn ? Keyboard::pressReturn() : Keyboard::pressBackspace()) ||
           fail("no field is being edited (tap one first)");
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
    const auto views = VisibleViews::onScreen();
    for (auto shown = views.rbegin(); shown != views.rend() && !control; ++shown) {
        if (shown->touchable && !shown->covered) {
            control = std::dynamic_pointer_cast<SegmentedControl>(shown->view);
        }
    }
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
    const auto seconds = scriptNumber(argument);
    if (!seconds || *seconds < 0.0 || *seconds > kLongestWaitSeconds) {
        return fail("wait needs a number of seconds from 0 to 86400");
    }
    RunLoop::main().runUntil(*seconds);
    return true;
}

bool ScreenScript::shot(const std::string& path) {
    if (path.empty()) {
        return fail("shot needs a file name");
    }
    if (std::string problem; !ScreenRenderer::writeScreen(path, problem)) {
        return fail("cannot write " + path + ": " + problem);
    }
    return true;
}

}  // namespace platform::ui
