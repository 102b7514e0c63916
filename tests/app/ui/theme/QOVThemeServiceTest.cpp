#include "app/ui/theme/QOVThemeService.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVLocation.h"
#include "tests/support/ManualClockFixture.h"

namespace qov {
namespace {

using Color = platform::gfx::Color;

class DataAgeColourTest : public qovtest::ManualClockFixture {};

TEST_F(DataAgeColourTest, FollowsTheAgeOfTheWeather) {
    EXPECT_EQ(QOVThemeService::dataAgeColorForLocation(nullptr), Color::white());
    const auto location = std::make_shared<QOVLocation>();
    EXPECT_EQ(QOVThemeService::dataAgeColorForLocation(location), Color::white());
    advance(301.0);
    EXPECT_EQ(QOVThemeService::dataAgeColorForLocation(location), Color::orangeColor());
    advance(3400.0);
    ASSERT_TRUE(location->isStale());
    EXPECT_EQ(QOVThemeService::dataAgeColorForLocation(location), Color::redColor());
}

}  // namespace
}  // namespace qov
