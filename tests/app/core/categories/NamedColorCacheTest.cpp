#include "app/core/categories/NamedColorCache.h"

#include <gtest/gtest.h>

#include <string>

namespace qov {
namespace {

using Color = platform::gfx::Color;

TEST(NamedColorCache, AnswersFoundAndMissingNamesFromTheCache) {
    int lookups = 0;
    NamedColorCache cache(
        [&](std::string_view name) -> std::optional<Color> {
            ++lookups;
            return name == "red" ? std::optional(Color::rgba(1, 0, 0)) : std::nullopt;
        },
        8);
    EXPECT_EQ(cache.colorWithName("red"), Color::rgba(1, 0, 0));
    EXPECT_EQ(cache.colorWithName("red"), Color::rgba(1, 0, 0));
    EXPECT_FALSE(cache.colorWithName("Gray"));
    EXPECT_FALSE(cache.colorWithName("Gray"));
    EXPECT_EQ(lookups, 2);
    EXPECT_EQ(cache.count(), 2u);
}

TEST(NamedColorCache, UnknownNamesCannotGrowItBeyondItsCapacity) {
    int lookups = 0;
    NamedColorCache cache(
        [&](std::string_view) -> std::optional<Color> {
            ++lookups;
            return std::nullopt;
        },
        16);
    for (int name = 0; name < 1000; ++name) {
        EXPECT_FALSE(cache.colorWithName("unknown" + std::to_string(name)));
        EXPECT_LE(cache.count(), 16u);
    }
    EXPECT_EQ(lookups, 1000);
    // Still answers correctly after starting afresh.
    EXPECT_FALSE(cache.colorWithName("unknown0"));
}

}  // namespace
}  // namespace qov
