// The runner started with standard input, output or error closed, as cron and some service managers start
// programs: none of its own files takes their place, and what it cannot print or read fails the run.
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/HomeLock.h"
#include "tests/cli/RunnerRun.h"
#include "tests/support/ClosedDescriptorsRun.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"

namespace {

namespace fs = std::filesystem;

class RunnerStandardDescriptorsTest : public qovtest::SimFixture {
protected:
    fs::path home() const { return m_temp.path() / "home"; }
    fs::path scratch() const { return m_temp.path(); }

private:
    qovtest::TempHome m_temp;
};

TEST_F(RunnerStandardDescriptorsTest, AClosedOneIsNeverTheLockFileAndWhatCannotBePrintedOrReadFailsTheRun) {
    const fs::path script = scratch() / "script.txt";
    std::ofstream(script) << "fly away\n";
    const struct {
        std::vector<int> closed;
        std::string script;  // --script's value
        int status;
        std::string err;  // what standard error holds, when it is open
        std::string out;  // a part of standard output, when it is open
    } cases[] = {
        {{1}, "-", 1, "qovara: cannot write to standard output: Bad file descriptor\n", ""},
        {{2}, script.string(), 1, "", "Atlanta, GA (USGA0028:1)"},
        {{0}, "-", 1, "error: cannot read the script from standard input: Bad file descriptor\n", "Atlanta, GA"},
        {{0, 1, 2}, "-", 1, "", ""},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE("closed: " + std::to_string(each.closed.front()) + ", " + std::to_string(each.closed.size()) +
                     " in all");
        const auto run = qovtest::runWithClosedDescriptors(
            QOV_RUNNER_PATH,
            {"--home", home().string(), "--service", simUrl(), "--virtual-clock", "--summary", "--script", each.script},
            each.closed, scratch());
        EXPECT_EQ(run.status, each.status) << run.err;
        EXPECT_EQ(run.err, each.err);
        EXPECT_NE(run.out.find(each.out), std::string::npos) << run.out;
        const std::string lock = qovtest::readWholeFile(home() / qovcli::HomeLock::kFileName);
        EXPECT_TRUE(std::regex_match(lock, std::regex("[0-9]+\n"))) << "the lock holds only the process id: " << lock;
    }
}

}  // namespace
