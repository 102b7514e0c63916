#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "platform/base/Date.h"

namespace qov {

// When a tile whose fetch finally failed may be asked for again, so that a map drawn many times a second does not
// ask a failing or unreachable tile server for the same tile on every drawing. A tile (any text naming it, such as
// its URL) that failed is not asked for during a pause: kFirstPause after its first failure, twice the pause before
// after each further failure in a row, at most kLongestPause. A success forgets the tile, and so does a pause that
// ended kLongestPause ago without a new failure (the next failure starts again at kFirstPause). forgetAll() lets
// every tile be asked at once (the network came back, a new series list came); a failure of an ask made before it
// then starts no pause, since what failed it may be over: callers take generation() when they ask and hand it back
// with the failure.
//
// Time is the platform clock's (platform::Clock::shared()). Not thread-safe: its owner guards it with its own lock.
class FailedTileBackOff {
public:
    static constexpr double kFirstPause = 10.0;
    static constexpr double kLongestPause = 60.0;

    // Whether the tile may be asked for now: it has not failed, or its pause is over.
    bool mayAsk(const std::string& tile) const;
    // Counts the forgetAll() calls so far.
    std::uint64_t generation() const { return m_generation; }
    // The tile's fetch, asked for in the given generation, finally failed: its pause starts now (no pause when
    // forgetAll() came in between).
    void failed(const std::string& tile, std::uint64_t askedInGeneration);
    void succeeded(const std::string& tile);
    void forgetAll();

private:
    struct Pause {
        double seconds = 0.0;
        platform::Date ends;
    };

    std::map<std::string, Pause> m_pauses;
    std::uint64_t m_generation = 0;
};

}  // namespace qov
