// qovara-sim started with standard output closed, as cron and some service managers start programs: what its
// caller would read from it cannot be printed, and it says so and exits 1 instead of serving unseen.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/ClosedDescriptorsRun.h"
#include "tests/support/TempHome.h"

namespace {

TEST(SimStandardDescriptorsTest, AnAddressOrAnswerThatCannotBePrintedFailsTheRun) {
    const qovtest::TempHome scratch;
    const struct {
        std::vector<std::string> arguments;
        std::vector<int> closed;
        int status;
        std::string err;
    } cases[] = {
        {{"--port", "0"}, {1}, 1, "qovara-sim: cannot write to standard output: Bad file descriptor\n"},
        {{"--print", "mobagg", "USGA0028:1"},
         {1},
         1,
         "qovara-sim: cannot write to standard output: Bad file descriptor\n"},
        {{"--help"}, {1}, 1, "qovara-sim: cannot write to standard output: Bad file descriptor\n"},
        {{"--print", "mobagg", "USGA0028:1"}, {0, 2}, 0, ""},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.arguments.front() + " with " + std::to_string(each.closed.size()) + " closed");
        const auto run = qovtest::runWithClosedDescriptors(QOV_SIM_PATH, each.arguments, each.closed, scratch.path());
        EXPECT_EQ(run.status, each.status) << run.err;
        EXPECT_EQ(run.err, each.err);
        EXPECT_EQ(run.out.empty(), each.status != 0) << "printed only when its output is open: " << run.out;
    }
}

}  // namespace
