// Feeds arbitrary script text to the screen-script reader and runs each line on a small screen: a button, a
// field, a segmented control and a scrolling strip of buttons, on a manual clock. "shot" lines are read but not
// run (they would write files).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/base/Clock.h"
#include "platform/base/RunLoop.h"
#include "platform/ui/Button.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/ScriptLine.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"

namespace {

using namespace platform::ui;

std::shared_ptr<Window> makeScreen() {
    platform::RunLoop::resetMain(std::make_shared<platform::ManualClock>());
    auto window = std::make_shared<Window>();
    auto screen = std::make_shared<ViewController>();
    auto view = screen->view();
    auto button = std::make_shared<Button>(ButtonType::RoundedRect, Rect(10, 30, 100, 30));
    button->setTitle("OK");
    view->addSubview(button);
    auto field = std::make_shared<TextField>(Rect(10, 70, 200, 30));
    field->setPlaceholder("City");
    view->addSubview(field);
    view->addSubview(std::make_shared<SegmentedControl>(std::vector<std::string>{"Now", "Hourly", "OK"}));
    auto strip = std::make_shared<ScrollView>(Rect(0, 120, 320, 40));
    for (int index = 0; index < 8; ++index) {
        auto tab = std::make_shared<Button>(ButtonType::Custom, Rect(index * 90.0, 0, 90, 40));
        tab->setTitle(index % 2 ? "OK" : "Tab " + std::to_string(index));
        strip->addSubview(tab);
    }
    strip->setContentSize(Size{720, 40});
    view->addSubview(strip);
    window->setRootViewController(screen);
    window->makeKeyAndVisible();
    return window;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto window = makeScreen();
    std::ostringstream output;
    ScreenScript script(output);
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    while (std::getline(lines, line)) {
        const ScriptLine parsed = ScriptLine::parse(line);
        const auto target = ScriptTarget::parse(parsed.argument);
        const auto trailing = splitTrailingWords(parsed.argument, 2);
        for (const auto& word : trailing.words) {
            (void)scriptNumber(word);
        }
        if (target) {
            (void)target->description();
        }
        if (parsed.command != "shot") {
            script.execute(line);
        }
    }
    return 0;
}
