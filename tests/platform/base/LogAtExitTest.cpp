// The log as the process ends: threads that still log while exit() runs (tile workers) find it alive, and the
// lines still on their way, counts of bursts included, reach the console before the process is gone. Each case
// runs in a child process of its own.
#include <atomic>
#include <cstdlib>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace platform {
namespace {

class LogAtExitTest : public ::testing::Test {
protected:
    // The child runs the test binary again: the parent's own log writer is not forked half-way.
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

void warnAboutTile(int tile) { QOV_LOG_WARN("Cannot decode tile {}.", tile); }

// Threads that log for ever, each line from a place of its own (so none is folded into a burst count), and the
// process ended by exit() once all of them are logging.
[[noreturn]] void exitWhileThreadsLog() {
    constexpr int kThreads = 4;
    static std::atomic<int> logging{0};
    for (int thread = 0; thread < kThreads; ++thread) {
        std::thread([thread] {
            for (int line = 1;; ++line) {
                Log::write(kLogFlagError, "TileWorker.cpp", "decode", line, fmt::format("tile {} of {}", line, thread));
                Log::write(kLogFlagInfo, "TileWorker.cpp", "decode", line, "tile shown");
                if (line == 100) {
                    ++logging;
                }
            }
        }).detach();
    }
    while (logging.load() < kThreads) {
        std::this_thread::yield();
    }
    std::exit(0);
}

TEST_F(LogAtExitTest, ThreadsStillLoggingDuringExitFindTheLogAlive) {
    for (int run = 0; run < 5; ++run) {
        EXPECT_EXIT(exitWhileThreadsLog(), ::testing::ExitedWithCode(0), "");
    }
}

TEST_F(LogAtExitTest, PendingLinesAndBurstCountsAreWrittenAtExit) {
    const auto logAndExit = [] {
        Log::addConsoleLogger();
        QOV_LOG_ERROR("last words");  // written by the background writer
        warnAboutTile(1);
        warnAboutTile(2);  // counted, and told only when the log is flushed
        std::exit(0);
    };
    // Both, in either order (the error takes the background writer).
    const std::string count = "Cannot decode tile 2\\. \\[1 more like this within 30 s\\]";
    EXPECT_EXIT(logAndExit(), ::testing::ExitedWithCode(0),
                "(last words(.|\n)*" + count + ")|(" + count + "(.|\n)*last words)");
}

}  // namespace
}  // namespace platform
