#include "sim/RequestLog.h"

#include <gtest/gtest.h>

namespace qovsim {
namespace {

SimRequest get(std::string path) {
    SimRequest request;
    request.path = std::move(path);
    return request;
}

TEST(RequestLogTest, KeepsTheNewestEntriesInArrivalOrder) {
    RequestLog log(3);
    for (int i = 0; i < 5; ++i) {
        log.append(get("/" + std::to_string(i)));
    }
    auto entries = log.snapshot();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].path, "/2");
    EXPECT_EQ(entries[2].path, "/4");
    log.clear();
    log.append(get("/5"));
    ASSERT_EQ(log.snapshot().size(), 1u);
}

}  // namespace
}  // namespace qovsim
