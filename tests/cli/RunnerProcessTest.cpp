// The runner as a user starts it: the built qovara in a temporary home, against the embedded stand-in service or
// one the test runs on a loopback port.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <fmt/format.h>
#include <gtest/gtest.h>

#include "app/core/model/RegionalLayer.h"
#include "app/maps/model/MapLayerCatalogue.h"
#include "cli/HomeLock.h"
#include "platform/gfx/Image.h"
#include "sim/Fault.h"
#include "tests/cli/MapOverlayPixels.h"
#include "tests/cli/RunnerRun.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"

namespace {

using qovtest::readWholeFile;
using qovtest::RunnerRun;

class RunnerProcessTest : public qovtest::SimFixture {
protected:
    RunnerRun run(const std::vector<std::string>& arguments) {
        return qovtest::runRunner(home(), m_temp.path(), arguments);
    }

    std::filesystem::path home() const { return m_temp.path() / "home"; }

    std::string writeScript(const std::string& lines) {
        const auto path = m_temp.path() / "script.txt";
        std::ofstream(path) << lines;
        return path.string();
    }

private:
    qovtest::TempHome m_temp;
};

TEST_F(RunnerProcessTest, TheApplicationPassesTheTermsOnceAndShowsTheWeatherTab) {
    // The first run's one-time push-alert notice shows and is tapped away; the second run has none to tap.
    const std::string notice = writeScript("wait 12\ndump\ntap --if-alert OK\n");
    const RunnerRun first = run({"--service", simUrl(), "--virtual-clock", "--script", notice});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find("AlertView {18, 161, 284, 158} \"Push Alerts: "), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("Terms screen:"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("Button {170, 406, 130, 44} \"Accept\""), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("Root screen:"), std::string::npos) << first.out;
    EXPECT_TRUE(std::filesystem::exists(home() / "terms-screen.png"));
    EXPECT_TRUE(std::filesystem::exists(home() / "root-screen.png"));

    const RunnerRun second = run({"--service", simUrl(), "--virtual-clock", "--script",
                                  writeScript("wait 12\ntap --if-alert OK\ntab Maps\n"
                                              "present LocationSearchResultsModalViewController\ndump\ndismiss\n")});
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out.find("Terms screen:"), std::string::npos) << second.out;
    EXPECT_NE(second.out.find("\"Search Results\""), std::string::npos) << second.out;
    EXPECT_NE(second.out.find("\"0 results\""), std::string::npos) << second.out;
}

TEST_F(RunnerProcessTest, TheSummaryReportsTheWeatherThenRunsTheScriptOnAVirtualClock) {
    // Ten virtual minutes take no real time: the test's time-out would stop a real wait.
    const RunnerRun result = run({"--service", simUrl(), "--summary", "--virtual-clock", "--script",
                                  writeScript("wait 600\nnetwork off\nnetwork on\ngps 48.857 2.352\nfly away\n")});
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_NE(result.out.find("Atlanta, GA (USGA0028:1)"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Now: "), std::string::npos) << result.out;
    EXPECT_EQ(result.err.find("error:"), result.err.rfind("error:")) << "one failed command\n" << result.err;
    EXPECT_NE(result.err.find("error: unknown command \"fly\""), std::string::npos) << result.err;
}

TEST_F(RunnerProcessTest, TheWeatherScreenShowsEveryPanelAndColoursItsUpdatedLineByAge) {
    const RunnerRun result =
        run({"--service", simUrl(), "--virtual-clock", "--script",
             writeScript("network off\nwait 301\ndump\nwait 3600\ndump\nnetwork on\nwait 60\ndump\n")});
    EXPECT_EQ(result.status, 0) << result.err;
    for (const char* panel : {"rightnow", "hourly", "36hour", "10day"}) {
        EXPECT_TRUE(std::filesystem::exists(home() / (std::string("weather-") + panel + ".png"))) << panel;
    }
    // The "Updated" line: white when fetched, orange and red while offline, white once the network is back.
    std::vector<std::string> colours;
    for (auto at = result.out.find("\"Updated: "); at != std::string::npos;
         at = result.out.find("\"Updated: ", at + 1)) {
        const auto colour = result.out.find("color #", at);
        colours.push_back(result.out.substr(colour + 6, 7));
    }
    EXPECT_EQ(colours, (std::vector<std::string>{"#FFFFFF", "#FF8000", "#FF0000", "#FFFFFF"})) << result.out;
}

TEST_F(RunnerProcessTest, APlaceChosenFromTheLocationBarStaysCurrentAcrossARestart) {
    const RunnerRun search = run({"--service", simUrl(), "--virtual-clock", "--script",
                                  writeScript("wait 11\ntap OK\n"  // the first run's push alert tutorial
                                              "tap @SearchBar\ntype Lond\nwait 2\ntap \"London, ENG, United Kingdom\"\n"
                                              "tap Yes\nwait 3\ndump\n")});
    EXPECT_EQ(search.status, 0) << search.err;
    const std::string londonBar = "LocationSearchBar {0, 20, 320, 44} \"London, United Kingdom\"";
    EXPECT_NE(search.out.find(londonBar), std::string::npos) << search.out;

    const RunnerRun restart = run({"--service", simUrl(), "--virtual-clock", "--script", writeScript("dump\n")});
    EXPECT_EQ(restart.status, 0) << restart.err;
    EXPECT_NE(restart.out.find(londonBar), std::string::npos) << restart.out;
}

TEST_F(RunnerProcessTest, MetricUnitsChosenInSettingsShowOnEveryPanelAtOnceAndAfterARestart) {
    const std::string everyPanel = "select 0\ndump\nselect 1\ndump\nselect 2\ndump\nselect 3\ndump\nselect 4\ndump\n";
    // The service's own sentences (narratives, wave texts) stay as it words them.
    const auto showsOnlyMetric = [](const std::string& out) {
        for (const char* unit : {"\u00B0C", " km\"", " km/h", " m\""}) {
            EXPECT_NE(out.find(unit), std::string::npos) << unit << "\n" << out;
        }
        for (const char* unit : {"\u00B0F", " mi\"", " mph\"", " ft\""}) {
            EXPECT_EQ(out.find(unit), std::string::npos) << unit << "\n" << out;
        }
    };
    // Miami offers the beach panel, whose heights are in metres.
    const RunnerRun choose = run({"--service", simUrl(), "--virtual-clock", "--gps", "25.77,-80.19", "--script",
                                  writeScript("tab Settings\ndump\nselect 1\ntab Weather\n" + everyPanel)});
    EXPECT_EQ(choose.status, 0) << choose.err;
    const auto settingsShown = choose.out.find("\"Measurement\"");
    ASSERT_NE(settingsShown, std::string::npos) << choose.out;
    // Its title shows: nothing covers the navigation bar where the hidden location bar was.
    EXPECT_NE(choose.out.find("NavigationBar {0, 20, 320, 44} \"Settings\""), std::string::npos) << choose.out;
    const auto unitSwitch = choose.out.find("\"[\u00B0F] | \u00B0C\"", settingsShown);
    ASSERT_NE(unitSwitch, std::string::npos) << choose.out;
    showsOnlyMetric(choose.out.substr(unitSwitch + 12));

    const RunnerRun restart = run({"--service", simUrl(), "--virtual-clock", "--script", writeScript(everyPanel)});
    EXPECT_EQ(restart.status, 0) << restart.err;
    showsOnlyMetric(restart.out);
}

TEST_F(RunnerProcessTest, TenTapsOnTheAboutLogoTurnOnTestModeWhoseConsoleShowsTheLog) {
    std::string script = "tab Settings\ntap About\n";
    for (int tap = 0; tap < 10; ++tap) {
        script += "tap Qovara\n";
    }
    // The console shows the newest lines at its foot, and an answer the launch asked for may land (and log) after
    // the console's own page view has been logged: each visit logs another, so the script looks up to five times.
    for (int visit = 0; visit < 5; ++visit) {
        script += "tab console\nwait 3\ndump\ntab Settings\n";
    }
    const RunnerRun result = run({"--service", simUrl(), "--virtual-clock", "--script", writeScript(script)});
    EXPECT_EQ(result.status, 0) << result.err;
    // The console's table lists the in-memory log, such as the page views of the tabs just shown (the log itself
    // goes to the error stream, so the text on the output is the console's).
    const auto console = result.out.find("TableView {0, 115, 320, 316}");
    ASSERT_NE(console, std::string::npos) << result.out;
    EXPECT_NE(result.out.find("metrics page view hit", console), std::string::npos) << result.out;
}

TEST_F(RunnerProcessTest, TheSevereTabCountsBostonsAlertAndATypedNameListsEachPlaceOnce) {
    const RunnerRun result =
        run({"--service", simUrl(), "--virtual-clock", "--gps", "42.3601,-71.0589", "--script",
             writeScript("wait 12\ntap --if-alert OK\ntab Severe\ndump\ntap @SearchBar\ntype atl\nwait 2\ndump\n")});
    EXPECT_EQ(result.status, 0) << result.err;
    const auto badge = result.out.find("ImageView {282, 432, 26, 18} image tabbar-badge.png");
    ASSERT_NE(badge, std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Label {282, 432, 26, 18} \"1\"", badge), std::string::npos) << result.out;
    // The stand-in knows Atlanta as a city and by its postal code; the list shows it once.
    std::size_t rows = 0;
    for (auto at = result.out.find("TableViewCell {"); at != std::string::npos;
         at = result.out.find("TableViewCell {", at + 1)) {
        rows += result.out.compare(result.out.find('}', at) + 1, 14, " \"Atlanta, GA\"") == 0 ? 1 : 0;
    }
    EXPECT_EQ(rows, 1u) << result.out;
}

TEST_F(RunnerProcessTest, SavedFavouritesSwitchTheCurrentPlaceAndSurviveARestart) {
    const RunnerRun first = run({"--service", simUrl(), "--virtual-clock", "--script",
                                 writeScript("wait 11\ntap OK\n"  // the first run's push alert tutorial
                                             "tap @SearchBar\ntype Lond\nwait 2\ntap \"London, ENG, United Kingdom\"\n"
                                             "tap Yes\nwait 3\ntap Favorites\nwait 2\ntap Atlanta, GA\nwait 3\n"
                                             "tap Favorites\nwait 2\ntap London, United Kingdom\nwait 3\n"
                                             "tap Favorites\nwait 2\ntap Atlanta, GA\nwait 3\ndump\n")});
    EXPECT_EQ(first.status, 0) << first.err;
    const std::string atlantaBar = "LocationSearchBar {0, 20, 320, 44} \"Atlanta, GA\"";
    EXPECT_NE(first.out.rfind(atlantaBar), std::string::npos) << first.out;

    const RunnerRun restart =
        run({"--service", simUrl(), "--virtual-clock", "--script", writeScript("tap Favorites\nwait 2\ndump\n")});
    EXPECT_EQ(restart.status, 0) << restart.err;
    EXPECT_NE(restart.out.find("NavigationBar {0, 20, 320, 44} \"Bookmarks\""), std::string::npos) << restart.out;
    const auto favorites = restart.out.find("FavoriteLocationView");
    ASSERT_NE(favorites, std::string::npos) << restart.out;
    const auto atlanta = restart.out.find("\"Atlanta, GA\"", favorites);
    const auto london = restart.out.find("\"London, United Kingdom\"", favorites);
    EXPECT_NE(atlanta, std::string::npos) << restart.out;
    EXPECT_NE(london, std::string::npos) << restart.out;
    EXPECT_LT(atlanta, london) << "the favourites keep their order";
}

// Pixels of the map area (under the legend, above the time strip) where weather covers the base map: green,
// yellow or red radar, which the map's beige land, blue water and grey coasts never are.
int weatherPixels(const platform::gfx::Image& shot) {
    int count = 0;
    for (int y = 100; y < 370; y += 2) {
        for (int x = 0; x < shot.width(); x += 2) {
            const auto colour = shot.pixel(x, y);
            count += colour.green - colour.blue > 0.2 ? 1 : 0;
        }
    }
    return count;
}

TEST_F(RunnerProcessTest, TheMapsTabPlaysTheRadarLoopEvenWithFailingTilesAndShowsTheChosenLayer) {
    // Some tiles of every series fail for good: their squares stay empty, the loop still plays.
    sim().faults().add(qovsim::Fault{.pathPattern = "/TileServer/imgs/radar/*/*1.png", .status = 500});
    // On a used home: the first launch's notice has come and gone before the shipped script runs.
    ASSERT_EQ(run({"--service", simUrl(), "--virtual-clock"}).status, 0);
    std::ifstream source(std::filesystem::path(QOV_SOURCE_DIR) / "scripts" / "radar-loop.script");
    std::string script(std::istreambuf_iterator<char>(source), {});
    for (std::size_t at = script.find("shot "); at != std::string::npos; at = script.find("shot ", at + 1)) {
        script.insert(at + 5, home().string() + "/");
    }
    const RunnerRun result = run({"--service", simUrl(), "--virtual-clock", "--script", writeScript(script)});
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<std::shared_ptr<platform::gfx::Image>> shots;
    for (int index = 0; index <= 4; ++index) {
        shots.push_back(platform::gfx::Image::fromPNGFile((home() / fmt::format("radar-{}.png", index)).string()));
        ASSERT_NE(shots.back(), nullptr) << index;
    }
    for (int index = 0; index <= 3; ++index) {
        EXPECT_GT(weatherPixels(*shots[index]), 200) << "radar over the map in radar-" << index;
    }
    // Radar and clouds, far more transparent: fainter, yet there.
    EXPECT_GT(weatherPixels(*shots[4]), 20);
    EXPECT_LT(weatherPixels(*shots[4]), weatherPixels(*shots[0]) / 2);
    for (int index = 1; index <= 4; ++index) {
        EXPECT_FALSE(shots[index]->samePixels(*shots[index - 1])) << "radar-" << index << " moved on";
    }
    const auto& log = sim().requestLog();
    EXPECT_TRUE(std::ranges::any_of(
        log, [](const auto& request) { return qovsim::globMatches("/TileServer/imgs/radar/*/*1.png", request.path); }));
}

// The tile requests of a layer in the service's log, and their quadkeys' levels.
std::vector<std::size_t> tileLevels(const std::vector<qovsim::SimRequest>& log, const std::string& layer) {
    std::vector<std::size_t> levels;
    const std::string prefix = "/TileServer/imgs/" + layer + "/";
    for (const auto& request : log) {
        if (request.path.starts_with(prefix)) {
            const auto name = request.path.substr(request.path.rfind('/') + 1);
            levels.push_back(name.size() - std::string(".png").size());
        }
    }
    return levels;
}

TEST_F(RunnerProcessTest, FingersMoveAndZoomTheMapAndItsTilesFollow) {
    const auto shot = [&](const std::string& name) { return (home() / name).string(); };
    // On the temperature layer, which covers every map.
    const RunnerRun result =
        run({"--service", simUrl(), "--virtual-clock", "--script",
             writeScript("wait 12\ntap --if-alert OK\ntab Maps\ntap Options\ntap Temperature\ntap Done\n"
                         "wait 5\nshot " +
                         shot("before.png") + "\ndrag @MapView 150 40\nwait 3\nshot " + shot("panned.png") +
                         "\npinch @MapView 2\nwait 3\nshot " + shot("zoomed.png") +
                         "\ntap --taps 2 @MapView\nwait 3\ndump\n")});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err.find("max retries"), std::string::npos) << result.err;
    // Tiles of the first level, of the panned region at that level, then of the two deeper levels.
    const auto levels = tileLevels(sim().requestLog(), "temp");
    ASSERT_FALSE(levels.empty());
    const std::size_t first = levels.front();
    for (const std::size_t level : {first + 1, first + 2}) {
        EXPECT_NE(std::ranges::find(levels, level), levels.end()) << level;
    }
    const auto before = platform::gfx::Image::fromPNGFile(shot("before.png"));
    const auto panned = platform::gfx::Image::fromPNGFile(shot("panned.png"));
    const auto zoomed = platform::gfx::Image::fromPNGFile(shot("zoomed.png"));
    ASSERT_TRUE(before && panned && zoomed);
    EXPECT_FALSE(before->samePixels(*panned));
    EXPECT_FALSE(panned->samePixels(*zoomed));
    for (const auto& picture : {before, panned, zoomed}) {
        EXPECT_GT(qovtest::mapOverlayPixels(*picture), 5000) << "the temperature covers the map";
    }
}

// Every layer the options offer (the catalogue's), picked there as a user would, over Atlanta and over London:
// tiles of each are fetched without a failure and the map shows something of each.
TEST_F(RunnerProcessTest, EveryLayerOfTheOptionsDrawsItsTilesInTheUSAndAbroad) {
    const std::vector<std::string> layers = qov::MapLayerCatalogue::optionsOrder();
    ASSERT_FALSE(layers.empty());
    const auto picture = [&](const std::string& layer) { return home() / fmt::format("layer-{}.png", layer); };
    // The push-alert tutorial comes ten seconds after a first launch.
    std::string script = "wait 12\ntap --if-alert OK\ntab Maps\nwait 5\n";
    for (const std::string& layer : layers) {
        const std::string name(qov::MapLayerCatalogue::find(layer)->displayKey);
        script += fmt::format("tap Options\nscroll \"{0}\"\ntap \"{0}\"\ntap Done\nwait 3\nshot {1}\n", name,
                              picture(layer).string());
    }
    const std::string path = writeScript(script);
    for (const bool abroad : {false, true}) {
        std::filesystem::remove_all(home());  // a fresh home for each place
        sim().clearRequestLog();
        std::vector<std::string> arguments{"--service", simUrl(), "--virtual-clock", "--script", path};
        if (abroad) {
            arguments.insert(arguments.end(), {"--gps", "51.5,-0.12"});
        }
        const RunnerRun result = run(arguments);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err.find("max retries"), std::string::npos) << result.err;
        const auto log = sim().requestLog();
        std::shared_ptr<platform::gfx::Image> previous;
        for (const std::string& layer : layers) {
            const std::string fetched(qov::RegionalLayer::forRegion(layer, abroad));
            EXPECT_FALSE(tileLevels(log, fetched).empty()) << fetched << (abroad ? " in London" : " in Atlanta");
            const auto shot = platform::gfx::Image::fromPNGFile(picture(layer).string());
            ASSERT_NE(shot, nullptr) << layer;
            if (previous) {
                EXPECT_FALSE(shot->samePixels(*previous)) << layer;
            }
            previous = shot;
        }
        // The temperature covers the whole map.
        const auto temperature = platform::gfx::Image::fromPNGFile(picture("temp").string());
        ASSERT_NE(temperature, nullptr);
        EXPECT_GT(qovtest::mapOverlayPixels(*temperature), 5000) << (abroad ? "London" : "Atlanta");
    }
}

TEST_F(RunnerProcessTest, AFailedPlaceLookupIsAFailure) {
    sim().faults().add(qovsim::Fault{.pathPattern = "/wxdata/loc/get.js", .status = 500});
    const RunnerRun result = run({"--service", simUrl(), "--gps", "48.857,2.352"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("no place found at 48.857,2.352"), std::string::npos) << result.err;
    EXPECT_EQ(result.out.find("Atlanta"), std::string::npos) << "no other place's weather\n" << result.out;
}

TEST_F(RunnerProcessTest, ABusyHomeOrAnUnreadableScriptIsRefused) {
    std::string problem;
    {
        const auto lock = qovcli::HomeLock::acquire(home(), qovcli::HomeLock::Choice::Named, problem);
        const RunnerRun busy = run({"--service", simUrl()});
        EXPECT_EQ(busy.status, 2);
        EXPECT_NE(busy.err.find("is in use by another runner (process "), std::string::npos) << busy.err;
        EXPECT_EQ(busy.out, "");
    }
    const RunnerRun folder = run({"--service", simUrl(), "--script", home().string()});
    EXPECT_EQ(folder.status, 1);
    EXPECT_NE(folder.err.find("it is a folder"), std::string::npos) << folder.err;
}

TEST_F(RunnerProcessTest, AnEmptyValueIsRefusedBeforeAnythingIsMadeAndAScriptsByteOrderMarkIsSkipped) {
    const std::filesystem::path folder = home().parent_path();
    for (const std::string option : {"--home=", "--shot=", "--script="}) {
        // As "--home=$UNSET --summary" reaches it, in a folder of the test's own.
        const RunnerRun refused =
            qovtest::runRunner({}, folder, {option, "--summary"}, "cd '" + folder.string() + "' && ");
        EXPECT_EQ(refused.status, 2) << option;
        EXPECT_NE(refused.err.find(option.substr(0, option.size() - 1) + " needs a value"), std::string::npos)
            << refused.err;
        EXPECT_FALSE(std::filesystem::exists(folder / "--summary")) << option;
    }
    const RunnerRun marked =
        run({"--service", simUrl(), "--summary", "--virtual-clock", "--script", writeScript("\xEF\xBB\xBFwait 1\n")});
    EXPECT_EQ(marked.status, 0) << marked.err;
}

TEST_F(RunnerProcessTest, TheOlderTileMapPlaysItsLoopInTheScriptsPictures) {
    const auto frame = [&](int n) { return (home() / ("loop-" + std::to_string(n) + ".png")).string(); };
    const RunnerRun result = run({"--service", simUrl(), "--virtual-clock", "--script",
                                  writeScript("legacymap\nwait 3\ntap Play\nwait 3\ndump\nshot " + frame(1) +
                                              "\nwait 1\nshot " + frame(2) + "\n")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("MapControlBar {20, 737, 728, 160}"), std::string::npos) << result.out;
    const std::string first = readWholeFile(frame(1));
    EXPECT_FALSE(first.empty());
    EXPECT_NE(first, readWholeFile(frame(2)));
}

// Process instances outlive everything made during the run: a text field left first responder under the older map
// is torn down, if at all, while the responder slot still lives (the sanitizers abort on the least misstep).
TEST_F(RunnerProcessTest, TheRunnerExitsCleanlyWhateverTheScriptLeftOnScreen) {
    const RunnerRun result = run(
        {"--service", simUrl(), "--virtual-clock", "--script", writeScript("tap \"City or ZIP code\"\nlegacymap\n")});
    EXPECT_EQ(result.status, 0) << result.err;
}

}  // namespace
