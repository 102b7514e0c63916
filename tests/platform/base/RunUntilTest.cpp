#include <cmath>

#include <gtest/gtest.h>

#include "platform/base/PrintableText.h"
#include "platform/base/RunLoop.h"
#include "tests/support/ManualClockFixture.h"

namespace platform {
namespace {

using RunUntilTest = qovtest::ManualClockFixture;

TEST_F(RunUntilTest, OnAManualClockTimersFireInOrderUntilDoneOrTheVirtualTimeIsUp) {
    std::vector<double> fired;
    const Date start = clock()->now();
    for (double at : {3.0, 1.0, 2.0}) {
        loop().scheduleTimer(at, false, [&](Timer&) { fired.push_back(clock()->now().timeIntervalSince(start)); });
    }
    EXPECT_TRUE(loop().runUntil(600.0, [&] { return fired.size() == 2; }));
    EXPECT_EQ(fired, (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(clock()->now().timeIntervalSince(start), 2.0) << "the clock stops where the work was done";

    EXPECT_FALSE(loop().runUntil(600.0));
    EXPECT_EQ(fired.size(), 3U);
    EXPECT_EQ(clock()->now().timeIntervalSince(start), 602.0);
    for (double refused : {-5.0, std::nan("")}) {
        loop().runUntil(refused);
        EXPECT_EQ(clock()->now().timeIntervalSince(start), 602.0);
    }
}

TEST(RunUntilSystemClockTest, ReturnsAsSoonAsTheWorkIsDone) {
    RunLoop::resetMain(std::make_shared<SystemClock>());
    auto& loop = RunLoop::main();
    bool done = false;
    bool later = false;
    loop.post([&] { done = true; });
    loop.post([&] { later = true; });
    EXPECT_TRUE(loop.runUntil(60.0, [&] { return done; }));
    EXPECT_FALSE(later);
    EXPECT_FALSE(loop.runUntil(0.0, [] { return false; }));
}

TEST(PrintableTextTest, ControlCharactersAndBrokenUtf8BecomeVisibleEscapes) {
    const std::pair<std::string, std::string> cases[] = {
        {"Paris, 18°C \\ ok", "Paris, 18°C \\ ok"},
        {"a\nb\tc\rd", "a\\nb\\tc\\rd"},
        {"\x1b[2J\x07", "\\x1B[2J\\x07"},
        {std::string("nul\0end", 7), "nul\\x00end"},
        {"\x7f", "\\x7F"},
        {"\xc2\x9b" "31m", "\\u009B31m"},
        {"\x9b" "31m", "\\x9B31m"},
        {"\xe2\x82", "\\xE2\\x82"},
        {"\xed\xa0\x80", "\\xED\\xA0\\x80"},
        {"\xc0\xaf", "\\xC0\\xAF"},
    };
    for (const auto& [raw, shown] : cases) {
        EXPECT_EQ(printableText(raw), shown) << shown;
    }
}

}  // namespace
}  // namespace platform
