#include "cli/RunnerCommands.h"

#include <cstring>

#include "app/shell/root/RootScreenState.h"
#include "cli/StandardInput.h"
#include "platform/geo/FixedPositionSource.h"
#include "platform/net/Reachability.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/ScriptLine.h"

namespace qovcli {

namespace {

std::optional<std::string> network(const std::string& argument) {
    if (argument != "on" && argument != "off") {
        return "network takes on or off";
    }
    platform::net::Reachability::shared()->setReachable(argument == "on");
    return std::nullopt;
}

std::optional<std::string> gps(const std::string& argument) {
    const auto words = platform::ui::scriptWords(argument);
    const auto latitude = words.size() == 2 ? platform::ui::scriptNumber(words[0]) : std::nullopt;
    const auto longitude = words.size() == 2 ? platform::ui::scriptNumber(words[1]) : std::nullopt;
    const platform::geo::Coordinate coordinate{latitude.value_or(91.0), longitude.value_or(181.0)};
    if (!coordinate.isValid()) {
        return "gps takes a latitude and a longitude in degrees, such as gps 48.857 2.352";
    }
    const auto source =
        std::dynamic_pointer_cast<platform::geo::FixedPositionSource>(platform::geo::PositionSource::shared());
    if (!source || !source->setCoordinate(coordinate)) {
        return "the device's position source does not take a coordinate";
    }
    return std::nullopt;
}

std::optional<std::string> tab(const std::string& name) {
    if (qov::RootScreenState::showTab(name)) {
        return std::nullopt;
    }
    return "no tab \"" + name + "\" on the root screen";
}

std::optional<std::string> dismiss(const std::string&) {
    if (qov::RootScreenState::dismissPresentedScreen()) {
        return std::nullopt;
    }
    return "the root screen presents nothing";
}

}  // namespace

void registerRunnerCommands() {
    platform::ui::ScreenScript::registerCommand("network", network);
    platform::ui::ScreenScript::registerCommand("gps", gps);
    platform::ui::ScreenScript::registerCommand("tab", tab);
    platform::ui::ScreenScript::registerCommand("present", qov::RootScreenState::presentScreen);
    platform::ui::ScreenScript::registerCommand("dismiss", dismiss);
}

bool runScreenScript(const std::string& source, std::ostream& out, std::ostream& err) {
    registerRunnerCommands();
    platform::ui::ScreenScript script(out, err);
    if (source != "-") {
        return script.runFile(source) && script.failures() == 0;
    }
    StandardInput input;
    const bool read = script.run(input);
    if (input.error() != 0) {
        err << "error: cannot read the script from standard input: " << std::strerror(input.error()) << "\n"
            << std::flush;
        return false;
    }
    return read && script.failures() == 0;
}

}  // namespace qovcli
