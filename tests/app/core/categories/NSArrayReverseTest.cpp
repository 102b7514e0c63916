#include "app/core/categories/NSArrayReverse.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/core/categories/NSMutableArrayReverse.h"
#include "platform/base/Value.h"

namespace qov {
namespace {

TEST(NSArrayReverse, ReversesInPlaceOrAsACopyThatLeavesTheOriginal) {
    platform::Array odd{1, "two", 3.0, true, nullptr};
    NSMutableArrayReverse::reverse(odd);
    EXPECT_EQ(odd, (platform::Array{nullptr, true, 3.0, "two", 1}));
    const std::vector<int> frames{1, 2, 3};
    EXPECT_EQ(NSArrayReverse::reversedArray(frames), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace qov
