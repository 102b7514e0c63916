#include "app/shell/theme/QOVThemeService.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVLocation.h"
#include "tests/support/ManualClockFixture.h"

namespace qov {
namespace {

using Color = platform::gfx::Color;

constexpr Color rgb255(int red, int green, int blue) { return Color::rgba(red / 255.0, green / 255.0, blue / 255.0); }

TEST(QOVThemeServiceTest, ThisEditionUsesThePremiumColours) {
    struct Case {
        Color (*colour)();
        Color expected;
    };
    const Case cases[] = {
        {&QOVThemeService::backgroundColor, Color::black()},
        {&QOVThemeService::navBarColor, Color::black()},
        {&QOVThemeService::headerColor, Color::rgba(0.2, 0.2, 0.2)},
        {&QOVThemeService::subheaderColor, rgb255(127, 127, 127)},
        {&QOVThemeService::segmentedControlColor, Color::darkGray()},
        {&QOVThemeService::tabBarItemColor, Color::black()},
        {&QOVThemeService::tabBarItemHighlightedColor, rgb255(76, 76, 76)},
    };
    for (const auto& [colour, expected] : cases) {
        EXPECT_EQ(colour(), expected);
    }
}

TEST(QOVThemeServiceTest, TheStandardEditionIsBlue) {
    const auto& standard = QOVThemeService::standardPalette();
    EXPECT_EQ(standard.backgroundColor, rgb255(57, 91, 162));
    EXPECT_EQ(standard.subheaderColor, rgb255(57, 91, 182));
    EXPECT_EQ(standard.tabBarItemColor, rgb255(17, 24, 61));
    EXPECT_EQ(standard.tabBarItemHighlightedColor, rgb255(28, 81, 158));
}

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
