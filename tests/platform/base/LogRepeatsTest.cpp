#include "platform/base/LogRepeats.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "platform/base/Log.h"
#include "tests/support/LogCapture.h"
#include "tests/support/ManualClockFixture.h"

QOV_LOG_LEVEL(15)

namespace platform {
namespace {

using LogRepeatsTest = qovtest::ManualClockFixture;

void warnAboutTile(int tile) { QOV_LOG_WARN("Cannot decode tile {}.", tile); }
void errorAboutRetries(int tile) { QOV_LOG_ERROR("max retries reached for tile {}.", tile); }

// How many of the lines hold the text.
long holding(const std::vector<std::string>& lines, const std::string& text) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& line) { return line.find(text) != line.npos; });
}

TEST_F(LogRepeatsTest, ABurstFromOnePlaceIsWrittenOnceAndCountedWhenItIsOver) {
    qovtest::LogCapture log;
    for (int tile = 1; tile <= 130; ++tile) {
        warnAboutTile(tile);
        if (tile % 2 == 0) {
            errorAboutRetries(tile);
        }
        advance(0.1);
    }
    QOV_LOG_INFO("radar loop done");
    advance(LogRepeats::kSpan);
    warnAboutTile(131);  // after the span: the bursts' counts, then a new burst
    const auto lines = log.lines();
    EXPECT_EQ(lines.size(), 6U);
    for (const char* text :
         {"Cannot decode tile 1.", "max retries reached for tile 2.", "radar loop done",
          "Cannot decode tile 130. [129 more like this within 30 s]",
          "max retries reached for tile 130. [64 more like this within 30 s]", "Cannot decode tile 131."}) {
        EXPECT_EQ(holding(lines, text), 1) << text;
    }

    // Reading the lines flushed the log, which told and ended every burst: a new one starts.
    warnAboutTile(132);
    warnAboutTile(133);  // counted; told when the log is flushed (as at exit)
    const auto flushed = log.lines();
    EXPECT_EQ(holding(flushed, "Cannot decode tile 132."), 1);
    EXPECT_EQ(holding(flushed, "Cannot decode tile 133. [1 more like this within 30 s]"), 1);
}

TEST_F(LogRepeatsTest, LinesFarApartAndInformationAreAllWritten) {
    qovtest::LogCapture log;
    for (int tile = 1; tile <= 3; ++tile) {
        warnAboutTile(tile);
        QOV_LOG_INFO("tile {} shown", tile);
        advance(LogRepeats::kSpan);
    }
    const auto lines = log.lines();
    EXPECT_EQ(lines.size(), 6U);
    for (const auto& line : lines) {
        EXPECT_EQ(line.find("more like this"), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace platform
