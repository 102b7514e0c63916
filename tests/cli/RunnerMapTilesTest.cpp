// The Maps tab over a failing tile server, as a user meets it: the built runner draws the map again and again (the
// script's pictures, on a virtual clock) while the stand-in answers 500 for the radar's tiles. The script comes
// through a pipe, so the test reads the stand-in's request log and changes its faults between the script's steps.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/gfx/Image.h"
#include "sim/Fault.h"
#include "tests/cli/MapOverlayPixels.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"

namespace {

// The runner reading its script from standard input (a pipe the test writes), its standard output read through
// another pipe and its standard error written to a file. Stopped (SIGTERM) with the object when still running.
class PipedRunner {
public:
    PipedRunner(const std::vector<std::string>& arguments, const std::filesystem::path& errors) {
        std::vector<std::string> words{QOV_RUNNER_PATH};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        int input[2];
        int output[2];
        if (::pipe2(input, O_CLOEXEC) != 0 || ::pipe2(output, O_CLOEXEC) != 0) {
            return;
        }
        const int errorFile = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        m_process = fork();
        if (m_process == 0) {
            dup2(input[0], STDIN_FILENO);
            dup2(output[1], STDOUT_FILENO);
            dup2(errorFile, STDERR_FILENO);
            execv(argv[0], argv.data());
            _exit(127);
        }
        ::close(input[0]);
        ::close(output[1]);
        ::close(errorFile);
        m_input = input[1];
        m_output = output[0];
    }
    ~PipedRunner() {
        closeInput();
        if (m_process > 0) {
            kill(m_process, SIGTERM);
            waitpid(m_process, nullptr, 0);
        }
        if (m_output >= 0) {
            ::close(m_output);
        }
    }

    bool send(const std::string& lines) {
        for (std::size_t sent = 0; sent < lines.size();) {
            const auto count = ::write(m_input, lines.data() + sent, lines.size() - sent);
            if (count <= 0) {
                return false;
            }
            sent += static_cast<std::size_t>(count);
        }
        return true;
    }
    // Reads standard output until the text has come the given number of times in all; false when the runner
    // ended or said nothing more for a minute.
    bool waitForOutput(const std::string& text, std::size_t times) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (occurrences(text) < times) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd readable{m_output, POLLIN, 0};
            if (left.count() <= 0 || ::poll(&readable, 1, static_cast<int>(left.count())) != 1 || !readMore()) {
                return false;
            }
        }
        return true;
    }
    // Ends the script and answers the runner's exit status (-1 when it did not exit).
    int finish() {
        closeInput();
        while (readMore()) {
        }
        int status = 0;
        const pid_t ended = waitpid(m_process, &status, 0);
        m_process = -1;
        return ended > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    const std::string& output() const { return m_text; }

private:
    std::size_t occurrences(const std::string& text) const {
        std::size_t count = 0;
        for (auto at = m_text.find(text); at != std::string::npos; at = m_text.find(text, at + 1)) {
            ++count;
        }
        return count;
    }
    bool readMore() {
        char chunk[4096];
        const auto count = ::read(m_output, chunk, sizeof chunk);
        if (count <= 0) {
            return false;
        }
        m_text.append(chunk, static_cast<std::size_t>(count));
        return true;
    }
    void closeInput() {
        if (m_input >= 0) {
            ::close(m_input);
            m_input = -1;
        }
    }

    pid_t m_process = -1;
    int m_input = -1;
    int m_output = -1;
    std::string m_text;
};

class RunnerMapTilesTest : public qovtest::SimFixture {
protected:
    // How many times the stand-in was asked for each radar tile.
    std::map<std::string, int> radarTileRequests() {
        std::map<std::string, int> counts;
        for (const auto& request : sim().requestLog()) {
            if (qovsim::globMatches(kRadarTiles, request.path)) {
                ++counts[request.path];
            }
        }
        return counts;
    }
    std::string picture(const std::string& name) const { return (m_temp.path() / name).string(); }

    static constexpr const char* kRadarTiles = "/TileServer/imgs/radar/*";
    // Text every dump of the Maps tab shows.
    static constexpr const char* kMapDumped = "MapView {";
    qovtest::TempHome m_temp;
};

TEST_F(RunnerMapTilesTest, FailingTilesAreAskedForAFewTimesOverTwentySecondsOfDrawingAndComeBackWhenTheServiceAnswers) {
    sim().faults().add(qovsim::Fault{.pathPattern = kRadarTiles, .status = 500});
    PipedRunner runner(
        {"--home", (m_temp.path() / "home").string(), "--service", simUrl(), "--virtual-clock", "--script", "-"},
        m_temp.path() / "err.txt");
    std::string drawing;  // 20 s, drawn twice a second
    for (int shot = 0; shot < 40; ++shot) {
        drawing += "wait 0.5\nshot " + picture("failing.png") + "\n";
    }
    ASSERT_TRUE(runner.send("wait 12\ntap --if-alert OK\ntab Maps\n" + drawing + "dump\n"));
    ASSERT_TRUE(runner.waitForOutput(kMapDumped, 1)) << runner.output();
    const auto drawn = radarTileRequests();
    for (const auto& [path, count] : drawn) {
        // Asked (and retried) when first drawn and again 10 s later; the next pause lasts 20 s.
        EXPECT_LE(count, 4) << path;
    }

    // The network comes back: every failed tile of the map is asked for at once (and retried), not after its
    // pause.
    ASSERT_TRUE(runner.send("network off\nwait 1\nnetwork on\nshot " + picture("failing.png") + "\nwait 1\ndump\n"));
    ASSERT_TRUE(runner.waitForOutput(kMapDumped, 2)) << runner.output();
    std::vector<std::string> shown;
    for (const auto& [path, count] : radarTileRequests()) {
        if (count > drawn.at(path)) {
            shown.push_back(path);
            EXPECT_EQ(drawn.at(path), 4) << path;
            EXPECT_EQ(count, 6) << path;
        }
    }
    ASSERT_GE(shown.size(), 4U) << "the map shows several radar tiles";

    // The service answers again: after the pause the next drawing asks once for each tile, and the radar shows.
    sim().faults().clear();
    ASSERT_TRUE(runner.send("wait 11\nshot " + picture("asked.png") + "\nwait 1\nshot " + picture("back.png") + "\n"));
    EXPECT_EQ(runner.finish(), 0) << runner.output();
    const auto asked = radarTileRequests();
    for (const std::string& path : shown) {
        EXPECT_EQ(asked.at(path), 7) << path;
    }
    const auto before = platform::gfx::Image::fromPNGFile(picture("failing.png"));
    const auto after = platform::gfx::Image::fromPNGFile(picture("back.png"));
    ASSERT_TRUE(before && after);
    EXPECT_GT(qovtest::mapOverlayPixels(*after), qovtest::mapOverlayPixels(*before) + 200);
}

}  // namespace
