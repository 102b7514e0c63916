#include "platform/format/TextFormat.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(TextFormatTest, FillsPlaceholdersInOrder) {
    EXPECT_EQ(TextFormat::format("%i°%@", {-40, "C"}), "-40°C");
    EXPECT_EQ(TextFormat::format("%02i_%i.png", {5, 44}), "05_44.png");
    EXPECT_EQ(TextFormat::format("%03d", {-5}), "-05");
    EXPECT_EQ(TextFormat::format("%i%%", {45}), "45%");
    EXPECT_EQ(TextFormat::format("%@ %i", {"7 dwarfs", "12abc"}), "7 dwarfs 12");
}

TEST(TextFormatTest, OutsideTextIsNeverReadAsAFormat) {
    EXPECT_EQ(TextFormat::format("Wind: %@", {"%@%n%s%d"}), "Wind: %@%n%s%d");
    EXPECT_EQ(TextFormat::format("%@ and %@", {"only one"}), "only one and ");
    const char* missing = nullptr;
    EXPECT_EQ(TextFormat::format("[%@]", {missing}), "[]");
    EXPECT_EQ(TextFormat::format("100%", {}), "100%");
    EXPECT_EQ(TextFormat::format("%s %x %", {"ignored"}), "%s %x %");
}

}  // namespace
}  // namespace platform
