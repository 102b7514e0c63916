#include "app/core/categories/NSArrayReverse.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/core/categories/NSMutableArrayReverse.h"
#include "platform/base/Value.h"

namespace qov {
namespace {

TEST(NSMutableArrayReverse, ReversesInPlace) {
    std::vector<int> empty;
    NSMutableArrayReverse::reverse(empty);
    EXPECT_TRUE(empty.empty());

    std::vector<int> one{1};
    NSMutableArrayReverse::reverse(one);
    EXPECT_EQ(one, std::vector<int>{1});

    std::vector<std::string> two{"a", "b"};
    NSMutableArrayReverse::reverse(two);
    EXPECT_EQ(two, (std::vector<std::string>{"b", "a"}));

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
