// The device display in a real browser: the built runner serves the application, headless Chromium opens the
// printed address and a person's clicks and keys arrive as taps and typing.
#include <chrono>
#include <cstdio>
#include <csignal>
#include <optional>
#include <regex>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

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
        m_output = fdopen(pipe[0], "r");
    }
    ~DisplayedRunner() {
        if (m_process > 0) {
            kill(m_process, SIGTERM);
            waitpid(m_process, nullptr, 0);
        }
        if (m_output) {
            std::fclose(m_output);
        }
    }

    // The address the runner prints; nullopt when it ended without one.
    std::optional<std::string> address() {
        const std::regex printed("Device display: open (http://127\\.0\\.0\\.1:[0-9]+/\\?token=[0-9a-f]+)");
        char line[4096];
        while (m_output && std::fgets(line, sizeof line, m_output)) {
            if (std::cmatch match; std::regex_search(line, match, printed)) {
                return match[1].str();
            }
        }
        return std::nullopt;
    }

private:
    pid_t m_process = -1;
    std::FILE* m_output = nullptr;
};

// Asks until the answer holds, for at most 30 seconds (the page follows the runner's frames on its own).
bool eventually(const std::function<bool()>& holds) {
    for (int attempt = 0; attempt < 300; ++attempt) {
        if (holds()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

// The centre of the first view the dump shows with the text: {x, y}.
std::optional<std::pair<double, double>> centreOf(const std::string& dump, const std::string& text) {
    const std::regex frame("\\{(-?[0-9.]+), (-?[0-9.]+), ([0-9.]+), ([0-9.]+)\\} \"" + text + "\"");
    std::smatch match;
    if (!std::regex_search(dump, match, frame)) {
        return std::nullopt;
    }
    return std::pair{std::stod(match[1]) + std::stod(match[3]) / 2.0, std::stod(match[2]) + std::stod(match[4]) / 2.0};
}

class DisplayBrowserTest : public qovtest::SimFixture {
protected:
    qovtest::TempHome home;
};

TEST_F(DisplayBrowserTest, ClicksOnThePageTapTheApplication) {
    std::string problem;
    const auto browser = qovtest::WebDriverBrowser::start(problem);
    if (!browser) {
        GTEST_SKIP() << problem;
    }
    DisplayedRunner runner((home.path() / "home").string(), simUrl());
    const auto address = runner.address();
    ASSERT_TRUE(address) << "the runner printed no address";
    ASSERT_TRUE(browser->open(*address));
    const std::string mapsTab = "tabbar-icon-map.png";
    std::string dump;
    ASSERT_TRUE(eventually([&] { return centreOf(dump = browser->text("#dump"), mapsTab).has_value(); })) << dump;

    // A first run greets the user with an alert: its OK button sits at the foot of it.
    const std::regex alertFrame("AlertView \\{([0-9.]+), ([0-9.]+), ([0-9.]+), ([0-9.]+)\\}");
    if (std::smatch alert; std::regex_search(dump, alert, alertFrame)) {
        ASSERT_TRUE(browser->clickAt("#screen", std::stod(alert[1]) + std::stod(alert[3]) / 2.0,
                                     std::stod(alert[2]) + std::stod(alert[4]) - 36.0));
        ASSERT_TRUE(eventually([&] { return (dump = browser->text("#dump")).find("AlertView") == std::string::npos; }))
            << dump;
    }
    EXPECT_EQ(dump.find("} \"Maps\" color"), dump.rfind("} \"Maps\" color")) << "only the tab's title says Maps";
    const auto [x, y] = *centreOf(dump, mapsTab);
    ASSERT_TRUE(browser->clickAt("#screen", x, y));
    EXPECT_TRUE(eventually([&] { return (dump = browser->text("#dump")).find("MapView {") != std::string::npos; }))
        << "the Maps tab's screen shows\n" << dump;
}

}  // namespace
