// The device display in a real browser: the built runner serves the application, headless Chromium opens the
// printed address and a person's clicks and keys arrive as taps and typing.
#include <array>
#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/map/MapProjection.h"
#include "platform/ui/KeyboardLayout.h"
#include "tests/cli/display/WebDriverBrowser.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"

namespace {

// The runner with --display, its standard output read through a pipe; stopped (SIGTERM) with the object.
class DisplayedRunner {
public:
    DisplayedRunner(const std::string& home, const std::string& service) {
        int pipe[2];
        if (::pipe(pipe) != 0) {
            return;
        }
        m_process = fork();
        if (m_process == 0) {
            dup2(pipe[1], STDOUT_FILENO);
            ::close(pipe[0]);
            execl(QOV_RUNNER_PATH, QOV_RUNNER_PATH, "--home", home.c_str(), "--service", service.c_str(), "--display",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        ::close(pipe[1]);
        m_output = pipe[0];
    }
    ~DisplayedRunner() {
        if (m_process > 0) {
            kill(m_process, SIGTERM);
            waitpid(m_process, nullptr, 0);
        }
        if (m_output >= 0) {
            ::close(m_output);
        }
    }

    // The address the runner prints; nullopt when it ended or said nothing for a minute.
    std::optional<std::string> address() {
        const std::regex printed("Device display: open (http://127\\.0\\.0\\.1:[0-9]+/\\?token=[0-9a-f]+)\\s");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        std::string output;
        char chunk[4096];
        for (;;) {
            if (std::smatch match; std::regex_search(output, match, printed)) {
                return match[1].str();
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd readable{m_output, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&readable, 1, static_cast<int>(left.count())) != 1) {
                return std::nullopt;
            }
            const auto count = ::read(m_output, chunk, sizeof chunk);
            if (count <= 0) {
                return std::nullopt;
            }
            output.append(chunk, static_cast<std::size_t>(count));
        }
    }

private:
    pid_t m_process = -1;
    int m_output = -1;
};

// Asks until the answer holds, for at most a minute (the page follows the runner's frames on its own; a loaded
// machine makes the browser slow).
bool eventually(const std::function<bool()>& holds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!holds()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

// The centre of the first view the dump shows with the text ({x, y}); of that class when one is given.
std::optional<std::pair<double, double>> centreOf(const std::string& dump, const std::string& text,
                                                  const std::string& viewClass = "") {
    const std::regex frame((viewClass.empty() ? "" : "\\s" + viewClass + " ") +
                           "\\{(-?[0-9.]+), (-?[0-9.]+), ([0-9.]+), ([0-9.]+)\\} \"" + text + "\"");
    std::smatch match;
    if (!std::regex_search(dump, match, frame)) {
        return std::nullopt;
    }
    return std::pair{std::stod(match[1]) + std::stod(match[3]) / 2.0, std::stod(match[2]) + std::stod(match[4]) / 2.0};
}

// The frame ({x, y, width, height}) of the first view of the class the dump shows.
std::optional<std::array<double, 4>> frameOf(const std::string& dump, const std::string& viewClass) {
    const std::regex frame("\\b" + viewClass + " \\{(-?[0-9.]+), (-?[0-9.]+), ([0-9.]+), ([0-9.]+)\\}");
    std::smatch match;
    if (!std::regex_search(dump, match, frame)) {
        return std::nullopt;
    }
    return std::array{std::stod(match[1]), std::stod(match[2]), std::stod(match[3]), std::stod(match[4])};
}

// The runner's page on a new home open in the browser, at the terms screen the runner leaves to the person. One
// browser serves every test in turn.
class DisplayBrowserTest : public qovtest::SimFixture {
protected:
    static void SetUpTestSuite() {
        if (qovtest::WebDriverBrowser::isInstalled()) {
            sharedBrowser = qovtest::WebDriverBrowser::start(browserProblem);
        }
    }
    static void TearDownTestSuite() { sharedBrowser.reset(); }

    void SetUp() override {
        SimFixture::SetUp();
        if (!qovtest::WebDriverBrowser::isInstalled()) {
            GTEST_SKIP() << "chromium and chromium-driver are not installed (scripts/setup installs them)";
        }
        browser = sharedBrowser.get();
        ASSERT_TRUE(browser) << browserProblem;
        runner.emplace((home.path() / "home").string(), simUrl());
        const auto address = runner->address();
        ASSERT_TRUE(address) << "the runner printed no address";
        ASSERT_TRUE(browser->open(*address)) << browser->lastError();
        ASSERT_TRUE(shows("Accept", "Button")) << "the terms screen waits for the person\n" << dump;
    }
    // Accepts the terms with a click, as the person does, and waits for the root screen. A first run's
    // one-time notice comes ten seconds later: the clock is moved on for it to come now, and its OK is clicked.
    void acceptTheTerms() {
        clickOn("Accept", "Button");
        ASSERT_TRUE(shows(kMapsTab)) << dump;
        ASSERT_TRUE(browser->script("document.querySelector('[data-button=\"clock+60\"]').click(); return true;") ==
                    true);
        std::optional<std::array<double, 4>> alert;
        ASSERT_TRUE(eventually([&] {
            return (alert = frameOf(dump = browser->text("#dump"), "AlertView")).has_value();
        })) << dump;
        // Its OK button sits at the foot of it.
        const auto [x, y, width, height] = *alert;
        ASSERT_TRUE(browser->clickAt("#screen", x + width / 2.0, y + height - 36.0));
        ASSERT_TRUE(eventually([&] { return !frameOf(dump = browser->text("#dump"), "AlertView").has_value(); }))
            << dump;
    }
    // Waits until the page's dump shows a view with the text (of that class when one is given).
    bool shows(const std::string& text, const std::string& viewClass = "") {
        return eventually([&] { return centreOf(dump = browser->text("#dump"), text, viewClass).has_value(); });
    }
    // Clicks the screen image at the centre of that view, once it shows.
    void clickOn(const std::string& text, const std::string& viewClass = "") {
        ASSERT_TRUE(shows(text, viewClass)) << text << " is not on the screen\n" << dump;
        const auto [x, y] = *centreOf(dump, text, viewClass);
        ASSERT_TRUE(clickPoint(x, y)) << browser->lastError();
    }
    // CSS pixels a point of the screen takes on the page (a screen too large for the window is scaled down).
    double pixelsPerPoint() {
        const auto scale = browser->script("return $('screen').offsetWidth / screenSize.width;");
        return scale.is_number() ? scale.get<double>() : 0.0;
    }
    // Clicks (clicks times in a quick row) the point of the screen x, y points from its top left.
    bool clickPoint(double x, double y, int clicks = 1) {
        const double scale = pixelsPerPoint();
        return browser->clickAt("#screen", x * scale, y * scale, clicks);
    }

    static constexpr const char* kMapsTab = "tabbar-icon-map.png";
    static inline std::unique_ptr<qovtest::WebDriverBrowser> sharedBrowser;
    static inline std::string browserProblem;
    qovtest::TempHome home;
    qovtest::WebDriverBrowser* browser = nullptr;
    std::optional<DisplayedRunner> runner;
    std::string dump;
};

TEST_F(DisplayBrowserTest, AFirstRunLeavesTheTermsToThePerson) {
    EXPECT_TRUE(centreOf(dump, "Terms and Conditions", "NavigationBar")) << dump;
    EXPECT_FALSE(centreOf(dump, kMapsTab)) << "the runner did not accept them\n" << dump;
    acceptTheTerms();
    EXPECT_TRUE(shows("Updated: [0-9:]+ [AP]M EST")) << "the current location's weather\n" << dump;
}

TEST_F(DisplayBrowserTest, ClicksOnThePageTapTheApplication) {
    acceptTheTerms();
    const std::string mapsTitle = "} \"Maps\" color";
    EXPECT_EQ(dump.find(mapsTitle), dump.rfind(mapsTitle)) << "only the tab's title says Maps";
    clickOn(kMapsTab);
    EXPECT_TRUE(eventually([&] { return (dump = browser->text("#dump")).find("MapView {") != std::string::npos; }))
        << "the Maps tab's screen shows\n"
        << dump;
}

TEST_F(DisplayBrowserTest, TypingInTheSearchFieldAndClickingAPlaceShowsItsWeather) {
    acceptTheTerms();
    clickOn("Atlanta, GA", "SearchBar");  // the field shows the current location's name
    ASSERT_TRUE(browser->typeInto("#screen", "Lond")) << browser->lastError();
    ASSERT_TRUE(shows("Lond", "SearchBar")) << dump;
    clickOn("London, ENG, United Kingdom", "TableViewCell");
    EXPECT_TRUE(shows("London, United Kingdom", "SearchBar")) << dump;
    EXPECT_TRUE(shows("Updated: [0-9:]+ [AP]M GMT")) << "London's weather\n" << dump;
}

TEST_F(DisplayBrowserTest, ClicksOnTheDrawnKeyboardTypeItsKeysAnd123TurnsThemToDigits) {
    using platform::ui::KeyboardLayout;
    acceptTheTerms();
    clickOn("Atlanta, GA", "SearchBar");
    std::optional<std::array<double, 4>> frame;
    ASSERT_TRUE(eventually([&] { return (frame = frameOf(dump = browser->text("#dump"), "Keyboard")).has_value(); }))
        << dump;
    const platform::gfx::Rect keyboard((*frame)[0], (*frame)[1], (*frame)[2], (*frame)[3]);
    const auto click = [&](KeyboardLayout::Layer layer, KeyboardLayout::KeyKind kind,
                           const std::string& character = {}) {
        for (const auto& key : KeyboardLayout::keys(keyboard, layer)) {
            if (key.kind == kind && key.character == character) {
                ASSERT_TRUE(browser->clickAt("#screen", key.cap.midX(), key.cap.midY())) << browser->lastError();
                return;
            }
        }
        FAIL() << "no key " << character;
    };
    using Kind = KeyboardLayout::KeyKind;
    constexpr auto kLetters = KeyboardLayout::Layer::Letters;
    constexpr auto kNumbers = KeyboardLayout::Layer::Numbers;
    const auto inspectorLeft = [&] { return browser->script("return $('inspector').getBoundingClientRect().left;"); };
    const auto before = inspectorLeft();
    for (const char* letter : {"l", "o", "x"}) {
        click(kLetters, Kind::Character, letter);
    }
    click(kLetters, Kind::Backspace);
    EXPECT_TRUE(shows("lo", "SearchBar")) << dump;
    // A postal code's digits, and back to the letters.
    click(kLetters, Kind::LayerSwitch);
    click(kNumbers, Kind::Character, "3");
    click(kNumbers, Kind::Character, "0");
    click(kNumbers, Kind::LayerSwitch);
    click(kLetters, Kind::Character, "a");
    EXPECT_TRUE(shows("lo30a", "SearchBar")) << dump;
    click(kLetters, Kind::Shift);
    EXPECT_TRUE(eventually([&] { return browser->text("#message").find("shift") != std::string::npos; }));
    EXPECT_EQ(inspectorLeft(), before) << "a message leaves the page where it was";
}

TEST_F(DisplayBrowserTest, AClickOnTheSearchBarsCancelEndsTheSearchAndFreesTheTabStrip) {
    acceptTheTerms();
    clickOn("Atlanta, GA", "SearchBar");
    ASSERT_TRUE(eventually([&] { return frameOf(dump = browser->text("#dump"), "Keyboard").has_value(); })) << dump;
    // Cancel stands at the right end of the bar.
    const auto bar = frameOf(dump, "SearchBar");
    ASSERT_TRUE(bar) << dump;
    const auto [x, y, width, height] = *bar;
    ASSERT_TRUE(browser->clickAt("#screen", x + width - 30.0, y + height / 2.0)) << browser->lastError();
    EXPECT_TRUE(eventually([&] { return !frameOf(dump = browser->text("#dump"), "Keyboard").has_value(); }))
        << "the keyboard went\n"
        << dump;
    EXPECT_TRUE(shows("Atlanta, GA", "SearchBar")) << dump;

    // Favorites while searching, and back: Cancel stays on the bar, without the keyboard, and still cancels.
    clickOn("Atlanta, GA", "SearchBar");
    clickOn("Favorites", "Button");
    ASSERT_TRUE(shows("Bookmarks", "NavigationBar")) << dump;
    ASSERT_TRUE(browser->clickAt("#screen", 35.0, 42.0)) << "the bookmarks' Cancel, at the left of their bar";
    const std::regex emptyBar("\\bSearchBar \\{[-0-9., ]+\\} placeholder \"[^\"]*\" tint #[0-9A-F]+ cancel\n");
    ASSERT_TRUE(eventually([&] {
        return frameOf(dump = browser->text("#dump"), "Keyboard") == std::nullopt && std::regex_search(dump, emptyBar);
    })) << "back on the root screen, the search bar still searching\n"
        << dump;
    ASSERT_TRUE(browser->clickAt("#screen", x + width - 30.0, y + height / 2.0)) << browser->lastError();
    EXPECT_TRUE(shows("Atlanta, GA", "SearchBar")) << dump;
    clickOn(kMapsTab);
    EXPECT_TRUE(eventually([&] { return frameOf(dump = browser->text("#dump"), "MapView").has_value(); })) << dump;
}

// The frame and region of the first map the dump shows: x, y, width, height, then the centre's latitude and
// longitude and the spans in latitude and longitude.
std::optional<std::array<double, 8>> mapShown(const std::string& dump) {
    const std::regex shown(
        "MapView \\{([-0-9.]+), ([-0-9.]+), ([0-9.]+), ([0-9.]+)\\} \"region ([-0-9.]+), ([-0-9.]+) span ([0-9.]+) x "
        "([0-9.]+)");
    std::smatch match;
    if (!std::regex_search(dump, match, shown)) {
        return std::nullopt;
    }
    std::array<double, 8> values{};
    for (std::size_t index = 0; index < values.size(); ++index) {
        values[index] = std::stod(match[static_cast<int>(index) + 1]);
    }
    return values;
}

// The latitude and longitude under the point a fraction across and down the map (Mercator north to south).
std::pair<double, double> placeOnMap(const std::array<double, 8>& map, double across, double down) {
    using namespace platform::map;
    const double width = map[2];
    const double height = map[3];
    const double latitude = map[4];
    const double longitude = map[5];
    const double longitudeSpan = map[7];
    const double mapPointsPerPoint = longitudeSpan / 360.0 * kMapWorldWidth / width;
    const double mercator = mercatorY(latitude, kMapWorldWidth) + (down - 0.5) * height * mapPointsPerPoint;
    return {latitudeForMercatorY(mercator, kMapWorldWidth), longitude + (across - 0.5) * longitudeSpan};
}

TEST_F(DisplayBrowserTest, ADoubleClickOnTheMapZoomsInKeepingThePlaceUnderThePointer) {
    acceptTheTerms();
    clickOn(kMapsTab);
    std::optional<std::array<double, 8>> map;
    ASSERT_TRUE(eventually([&] { return (map = mapShown(dump = browser->text("#dump"))).has_value(); })) << dump;
    const auto before = *map;
    // A point a fifth across the map and a quarter down, well off its middle.
    constexpr double kAcross = 0.2;
    constexpr double kDown = 0.25;
    ASSERT_TRUE(clickPoint(before[0] + kAcross * before[2], before[1] + kDown * before[3], 2)) << browser->lastError();
    ASSERT_TRUE(eventually([&] {
        map = mapShown(dump = browser->text("#dump"));
        return map && std::abs((*map)[7] - before[7] / 2.0) < before[7] * 0.01;
    })) << "the span halves\n"
        << dump;
    const auto [latitude, longitude] = placeOnMap(before, kAcross, kDown);
    const auto [latitudeAfter, longitudeAfter] = placeOnMap(*map, kAcross, kDown);
    EXPECT_NEAR(latitudeAfter, latitude, 0.01) << dump;
    EXPECT_NEAR(longitudeAfter, longitude, 0.01) << dump;
}

TEST_F(DisplayBrowserTest, TheOlderMapsPadScreenFitsTheWindowAndTakesClicksAndTheWheel) {
    acceptTheTerms();
    ASSERT_TRUE(browser->script("document.querySelector('[data-button=legacymap]').click(); return true;") == true);
    ASSERT_TRUE(shows("Play", "Button")) << "the older map's control bar\n" << dump;
    // The whole pad screen, its control bar at the foot included, lies in the window without scrolling.
    const auto fits = [&] {
        return browser->script(
            "const box = $('screen').getBoundingClientRect(), frame = $('frame');"
            "return [box.top >= 0 && box.left >= 0 && box.bottom <= innerHeight && box.right <= innerWidth,"
            "        scrollY === 0 && document.documentElement.scrollHeight <= innerHeight,"
            "        Math.round(box.width * 1024 / box.height), frame.naturalWidth, frame.naturalHeight];");
    };
    EXPECT_TRUE(eventually([&] { return fits() == nlohmann::json({true, true, 768, 1536, 2048}); })) << fits();
    const auto [playX, playY] = *centreOf(dump, "Play", "Button");
    const double scale = pixelsPerPoint();
    EXPECT_EQ(browser->script("const box = $('screen').getBoundingClientRect();"
                              "return box.left + " +
                              std::to_string(playX * scale) + " < innerWidth && box.top + " +
                              std::to_string(playY * scale) + " < innerHeight;"),
              true)
        << "Play is within the window";
    ASSERT_TRUE(clickPoint(playX, playY)) << browser->lastError();
    EXPECT_TRUE(shows("tiles [0-9]+ shown, slice [0-9]+ of [0-9]+, playing", "QOVTileLayerView")) << dump;
    EXPECT_TRUE(shows("Stop", "Button")) << dump;
    EXPECT_EQ(browser->script("return scrollY;"), 0) << "the click did not have to scroll the page";

    // The wheel turned away over the map zooms it in around the pointer.
    const auto before = mapShown(dump);
    ASSERT_TRUE(before) << dump;
    ASSERT_TRUE(browser->wheelAt("#screen", 300 * scale, 400 * scale, -250)) << browser->lastError();
    EXPECT_TRUE(eventually([&] {
        const auto map = mapShown(dump = browser->text("#dump"));
        return map && (*map)[7] < (*before)[7] * 0.9;
    })) << "the span shrinks\n"
        << dump;
}

TEST_F(DisplayBrowserTest, TheTurnedPhoneLeavesEveryControlWholeBesideIt) {
    // What is wrong with the page's layout: a button outside the page, under the phone or cut short.
    const auto problems = [&] {
        const auto found = browser->script(R"(
            const phone = $("device").getBoundingClientRect();
            const problems = [];
            if (phone.left < 0 || phone.top < 0) problems.push("the phone leaves the page");
            for (const button of document.querySelectorAll("#controls button")) {
              const box = button.getBoundingClientRect();
              if (box.left < 0 || box.top < 0 || box.right > innerWidth) problems.push(button.textContent + " is outside");
              if (box.left < phone.right && phone.left < box.right && box.top < phone.bottom && phone.top < box.bottom)
                problems.push(button.textContent + " is under the phone");
              if (button.scrollWidth > button.clientWidth) problems.push(button.textContent + " is cut");
            }
            return problems.join("; ");)");
        return found.is_string() ? found.get<std::string>() : "the page did not answer";
    };
    const auto landscape = [&] {
        return browser->script("return $('stage') !== null && $('stage').classList.contains('landscape');");
    };
    EXPECT_TRUE(eventually([&] { return problems().empty(); })) << problems();
    ASSERT_TRUE(browser->script("document.querySelector('[data-button=rotate]').click(); return true;") == true);
    ASSERT_TRUE(eventually([&] { return landscape() == true; })) << "the page shows the phone turned";
    EXPECT_TRUE(eventually([&] { return problems().empty(); })) << problems();
}

}  // namespace
