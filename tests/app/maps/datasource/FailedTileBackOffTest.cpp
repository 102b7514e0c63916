#include "app/maps/datasource/FailedTileBackOff.h"

#include <gtest/gtest.h>

#include "tests/support/ManualClockFixture.h"

namespace qov {
namespace {

using FailedTileBackOffTest = qovtest::ManualClockFixture;

constexpr const char* kTile = "http://127.0.0.1:1/TileServer/imgs/radar/202701150800/0320.png";

TEST_F(FailedTileBackOffTest, EachFailureInARowPausesTheTileTwiceAsLongUpToAMinute) {
    FailedTileBackOff backOff;
    EXPECT_TRUE(backOff.mayAsk(kTile));
    for (const double pause : {10.0, 20.0, 40.0, 60.0, 60.0}) {
        backOff.failed(kTile, backOff.generation());
        clock()->advance(pause - 0.5);
        EXPECT_FALSE(backOff.mayAsk(kTile)) << pause;
        EXPECT_TRUE(backOff.mayAsk("another tile")) << pause;
        clock()->advance(0.5);
        EXPECT_TRUE(backOff.mayAsk(kTile)) << pause;
    }
}

TEST_F(FailedTileBackOffTest, ASuccessOrALongQuietForgetsTheFailuresSoTheNextPauseIsShortAgain) {
    for (const bool succeeded : {true, false}) {
        FailedTileBackOff backOff;
        backOff.failed(kTile, backOff.generation());
        clock()->advance(10.0);
        backOff.failed(kTile, backOff.generation());  // 20 s
        clock()->advance(20.0);
        if (succeeded) {
            backOff.succeeded(kTile);
        } else {
            clock()->advance(61.0);  // nobody asked for it a minute after its pause
            backOff.failed("another tile", backOff.generation());
        }
        const char* when = succeeded ? "after a success" : "after a quiet minute";
        backOff.failed(kTile, backOff.generation());
        EXPECT_FALSE(backOff.mayAsk(kTile)) << when;
        clock()->advance(10.0);
        EXPECT_TRUE(backOff.mayAsk(kTile)) << when;
    }
}

TEST_F(FailedTileBackOffTest, ForgettingAllEndsEveryPauseAndAFailureOfAnEarlierAskStartsNone) {
    FailedTileBackOff backOff;
    backOff.failed(kTile, backOff.generation());
    backOff.failed("another tile", backOff.generation());
    const auto askedBefore = backOff.generation();
    backOff.forgetAll();
    EXPECT_TRUE(backOff.mayAsk(kTile));
    EXPECT_TRUE(backOff.mayAsk("another tile"));
    backOff.failed(kTile, askedBefore);
    EXPECT_TRUE(backOff.mayAsk(kTile));
    backOff.failed(kTile, backOff.generation());
    EXPECT_FALSE(backOff.mayAsk(kTile));
}

}  // namespace
}  // namespace qov
