#include "app/core/categories/NSArrayReverse.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/core/categories/NSMutableArrayReverse.h"
#include "platform/base/Value.h"

namespace qov {
namespace {

TEST(NSMutableArrayReverse, ReversesInPlace) {
    for (auto [list, reversed] : {std::pair{std::vector<int>{}, std::vector<int>{}}, {{1}, {1}}, {{1, 2}, {2, 1}}}) {
        NSMutableArrayReverse::reverse(list);
        EXPECT_EQ(list, reversed);
    }
    platform::Array odd{1, "two", 3.0, true, nullptr};
    NSMutableArrayReverse::reverse(odd);
    EXPECT_EQ(odd, (platform::Array{nullptr, true, 3.0, "two", 1}));
}

TEST(NSArrayReverse, ReversedCopyLeavesTheOriginal) {
    const std::vector<std::shared_ptr<int>> frames{std::make_shared<int>(1), std::make_shared<int>(2),
                                                   std::make_shared<int>(3), std::make_shared<int>(4)};
    const auto reversed = NSArrayReverse::reversedArray(frames);
    ASSERT_EQ(reversed.size(), 4u);
    EXPECT_EQ(reversed.front(), frames.back());
    EXPECT_EQ(reversed.back(), frames.front());
    EXPECT_EQ(*frames.front(), 1);
    EXPECT_TRUE(NSArrayReverse::reversedArray(std::vector<int>{}).empty());
}

}  // namespace
}  // namespace qov
