#pragma once

#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/Date.h"

namespace platform {

// Folds a burst of lines from one place in the code (a source file's line) into its first line and a count: the
// first line of a place is written; the lines from it within the next kSpan seconds are counted instead, and once
// the span is over (seen at the next line from anywhere, or at finish()) one line says how many there were,
// with the latest of them. Times come from the caller (the process clock), so a manual clock drives it in tests.
// Thread-safe.
class LogRepeats {
public:
    static constexpr double kSpan = 30.0;

    struct Line {
        int flag;
        std::string text;
    };

    // Whether the line, from that place at that time, is to be written now; appends to due the counts of bursts
    // whose span ended before now (to be written first).
    bool admit(const char* file, int line, int flag, const std::string& text, Date now, std::vector<Line>& due);
    // The counts of every burst not yet told, ending all bursts.
    std::vector<Line> finish();

private:
    struct Burst {
        Date start;
        int flag = 0;
        int more = 0;  // lines counted after the first
        std::string latest;
    };
    static Line told(const Burst& burst);

    std::mutex m_mutex;
    std::map<std::pair<const char*, int>, Burst> m_bursts;
};

}  // namespace platform
