// The runner's --display as a user meets it, on the built qovara.
#include <gtest/gtest.h>

#include "cli/display/DisplayListener.h"
#include "tests/cli/RunnerRun.h"
#include "tests/support/TempHome.h"

namespace {

TEST(DisplayRunTest, APortInUseIsRefusedBeforeTheRunStarts) {
    auto taken = qovcli::DisplayListener::open(0, std::cerr);
    ASSERT_TRUE(taken);
    qovtest::TempHome scratch;
    const auto result =
        qovtest::runRunner(scratch.path() / "home", scratch.path(), {"--display", std::to_string(taken->port())});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "qovara: the display cannot listen on 127.0.0.1:" + std::to_string(taken->port()) +
                              ": the port is in use (choose another, or leave it out for a free one)\n");
    EXPECT_EQ(result.out, "") << "nothing ran";
    EXPECT_FALSE(std::filesystem::exists(scratch.path() / "home")) << "the home was not touched";
}

}  // namespace
