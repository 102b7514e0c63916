// Every screen and panel the application shows, compared whole with the dump stored beside this file: one file per
// screen in screens/, the runner's script that reaches it (from a launch, against the stand-in service at a fixed
// time, zone and locale), a line "--", then the screen's expected dump. scripts/update-screen-dumps rewrites the
// dumps after an intended change, so that a change of look is a reviewed diff.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/services/QOVFormattingService.h"
#include "cli/FreshWeather.h"
#include "cli/LegacyMapCommand.h"
#include "cli/RunnerCommands.h"
#include "cli/TileServerConnection.h"
#include "platform/base/Log.h"
#include "platform/format/DeviceTimeZone.h"
#include "platform/net/Reachability.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/LocaleSource.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/Window.h"
#include "sim/SimServer.h"
#include "tests/app/shell/ApplicationWorld.h"
#include "tests/support/TestPaths.h"

namespace {

using platform::ui::DeviceOrientation;

constexpr double kNoonInNewYork = 1'800'032'400.0;  // 2027-01-15 17:00 UTC
constexpr const char* kScriptEnd = "--\n";
// Set (to anything) by scripts/update-screen-dumps: the test writes each screen's dump instead of comparing.
constexpr const char* kUpdateVariable = "QOV_UPDATE_SCREEN_DUMPS";

std::filesystem::path screensFolder() { return qovtest::testsDirectory() / "app" / "shell" / "screens"; }

// The screens' names: the files in screens/ without ".txt", in order.
std::vector<std::string> screenNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(screensFolder())) {
        if (entry.path().extension() == ".txt") {
            names.push_back(entry.path().stem().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The dump with what differs from run to run or machine to machine written as names: the stand-in's address (its
// port), the build's bundle folder and the temporary home.
std::string withoutPlaces(std::string dump, const std::vector<std::pair<std::string, std::string>>& places) {
    for (const auto& [place, name] : places) {
        for (auto at = dump.find(place); at != std::string::npos; at = dump.find(place, at + name.size())) {
            dump.replace(at, place.size(), name);
        }
    }
    return dump;
}

// Where the two dumps first differ: that line's number and up to five lines of each from there.
std::string firstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream expectedLines(expected), actualLines(actual);
    std::string wanted, got;
    int line = 1;
    for (;; ++line) {
        const bool more = static_cast<bool>(std::getline(expectedLines, wanted));
        if (static_cast<bool>(std::getline(actualLines, got)) != more || !more || wanted != got) {
            break;
        }
    }
    const auto fromHere = [](std::istringstream& lines, const std::string& first) {
        std::string out = lines ? "  " + first + "\n" : "  (the dump ends)\n";
        std::string next;
        for (int count = 1; count < 5 && std::getline(lines, next); ++count) {
            out += "  " + next + "\n";
        }
        return out;
    };
    return "first difference at dump line " + std::to_string(line) + "\nexpected:\n" + fromHere(expectedLines, wanted) +
           "actual:\n" + fromHere(actualLines, got);
}

class WholeScreenTest : public qovtest::ApplicationWorld, public testing::WithParamInterface<std::string> {
protected:
    void SetUp() override {
        clock()->set(platform::Date{kNoonInNewYork});
        qov::QOVFormattingService::resetForTesting();  // the units and formatters of earlier tests in this process
        platform::DeviceTimeZone::setOverride("America/New_York");
        platform::LocaleSource::setOverride("en_US", {"en"});
        qovsim::SimServer::Options options;
        options.clock = clock();
        m_sim = std::make_unique<qovsim::SimServer>(options);
        ASSERT_TRUE(m_sim->start());
        const std::string host = "127.0.0.1:" + std::to_string(m_sim->port());
        m_places = {{host, "STAND-IN"},
                    {qovtest::buildBundleDirectory().string(), "BUNDLE"},
                    {platform::AppDirectories::shared()->home().string(), "HOME"}};
        qovcli::aimDataServiceAt(host);
        qovcli::aimTileServerAt(host);
        qovcli::registerRunnerCommands();
        qovcli::registerLegacyMapCommand(host);
        platform::ui::ScreenScript::registerCommand("launch", [this](const std::string& how) { return launchAs(how); });
        platform::ui::ScreenScript::registerCommand("turn", turn);
        platform::ui::ScreenScript::registerCommand("memory-warning", [](const std::string&) {
            platform::ui::Application::shared().receiveMemoryWarning();
            return std::optional<std::string>();
        });
    }
    void TearDown() override {
        for (const char* name : {"launch", "turn", "memory-warning"}) {
            platform::ui::ScreenScript::registerCommand(name, {});
        }
        platform::ui::PopupRegistry::shared().removeAll();
        qov::QOVDatasourceFactory::sharedInstance()->datasource()->cancelAllRequests();
        m_sim->stop();
        // Tells this screen's bursts of repeated log lines now, not in a later screen's test console.
        platform::Log::flush();
        platform::net::Reachability::reset();
        platform::LocaleSource::clearOverride();
        platform::DeviceTimeZone::clearOverride();
    }

    // "launch": a later run (the terms accepted and the push alerts' notice seen before); "launch first": the
    // first run. Either way the splash shows: the script waits for what it wants to see.
    std::optional<std::string> launchAs(const std::string& how) {
        if (!how.empty() && how != "first") {
            return "launch takes nothing or first";
        }
        if (how.empty()) {
            const auto defaults = platform::UserDefaults::standard();
            defaults->setBool(true, qov::QOVAppDelegate::kTermsViewShouldHideKey);
            defaults->setString("yes", qov::QOVAppDelegate::kPushTutorialShownKey);
        }
        launch();
        return std::nullopt;
    }

    // "turn landscape" / "turn portrait": the device turns, and the screen in front with it when it turns.
    static std::optional<std::string> turn(const std::string& to) {
        if (to != "landscape" && to != "portrait") {
            return "turn takes landscape or portrait";
        }
        const auto orientation = to == "landscape" ? DeviceOrientation::LandscapeLeft : DeviceOrientation::Portrait;
        platform::ui::Device::current().setOrientation(orientation);
        const auto window = platform::ui::Application::shared().keyWindow();
        auto front = window ? window->rootViewController() : nullptr;
        while (front && front->modalViewController()) {
            front = front->modalViewController();
        }
        if (!front || !front->turnToInterfaceOrientation(orientation, 0.0)) {
            return "the screen in front does not turn " + to;
        }
        platform::ui::Application::shared().setStatusBarOrientation(orientation);
        return std::nullopt;
    }

    std::vector<std::pair<std::string, std::string>> m_places;

private:
    std::unique_ptr<qovsim::SimServer> m_sim;
};

TEST_P(WholeScreenTest, LooksAsStored) {
    const std::filesystem::path file = screensFolder() / (GetParam() + ".txt");
    const std::string stored = readFile(file);
    const auto end = stored.find(std::string("\n") + kScriptEnd);
    std::string script = stored.substr(0, end == std::string::npos ? stored.size() : end + 1);
    if (!script.empty() && script.back() != '\n') {
        script += '\n';
    }
    const std::string expected =
        end == std::string::npos ? "" : stored.substr(end + 1 + std::string(kScriptEnd).size());

    std::ostringstream output, errors;
    platform::ui::ScreenScript runner(output, errors);
    std::istringstream lines(script);
    runner.run(lines);
    ASSERT_EQ(runner.failures(), 0) << "screen " << GetParam() << ": its script failed\n" << errors.str();
    const std::string actual = withoutPlaces(platform::ui::ScreenDump::dumpScreen(), m_places);

    if (std::getenv(kUpdateVariable)) {
        std::ofstream(file, std::ios::binary) << script << kScriptEnd << actual;
        return;
    }
    EXPECT_TRUE(actual == expected) << "screen " << GetParam() << " differs from " << file.string()
                                    << " (after an intended change: scripts/update-screen-dumps)\n"
                                    << firstDifference(expected, actual);
}

INSTANTIATE_TEST_SUITE_P(Screens, WholeScreenTest, testing::ValuesIn(screenNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
