#include "app/legacymaps/categories/NSDictionaryLegacyQOV.h"

#include <gtest/gtest.h>

namespace {

using qov::NSDictionaryLegacyQOV;

TEST(NSDictionaryLegacyQOVTest, RoundTripsAndRefusesOtherBytes) {
    const platform::Dictionary dictionary{{"name", "radar"}, {"slices", platform::Array{1, 2}}, {"alpha", 0.75}};
    const auto data = NSDictionaryLegacyQOV::encodeToData(dictionary);
    ASSERT_TRUE(data);
    EXPECT_EQ(NSDictionaryLegacyQOV::initWithData(*data), dictionary);

    platform::Data truncated(data->begin(), data->begin() + static_cast<std::ptrdiff_t>(data->size() / 2));
    EXPECT_EQ(NSDictionaryLegacyQOV::initWithData(truncated), std::nullopt);
    EXPECT_EQ(NSDictionaryLegacyQOV::initWithData({}), std::nullopt);
}

}  // namespace
