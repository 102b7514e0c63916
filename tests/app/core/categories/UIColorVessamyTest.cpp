#include "app/core/categories/UIColorVessamy.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qov {
namespace {

using Color = platform::gfx::Color;
using Colors = UIColorVessamy;

void expectColor(const std::optional<Color>& actual, const Color& expected, double tolerance = 1e-9) {
    ASSERT_TRUE(actual);
    EXPECT_NEAR(actual->red, expected.red, tolerance);
    EXPECT_NEAR(actual->green, expected.green, tolerance);
    EXPECT_NEAR(actual->blue, expected.blue, tolerance);
    EXPECT_NEAR(actual->alpha, expected.alpha, tolerance);
}

TEST(UIColorVessamyComponents, ColoursAreRgbWithTheirComponents) {
    double red = 0, alpha = 0;
    EXPECT_TRUE(Colors::red(Color::rgba(0.1, 0.2, 0.3, 0.4), &red, nullptr, nullptr, &alpha));
    EXPECT_EQ(red, 0.1);
    EXPECT_EQ(alpha, 0.4);
}

TEST(UIColorVessamyArithmetic, MultiplyAndAddClampLightenAndDarkenDoNot) {
    const Color color = Color::rgba(0.5, 0.8, 0.2, 0.5);
    expectColor(Colors::colorByMultiplyingByRed(color, 3, 0.5, -1, 1), Color::rgba(1, 0.4, 0, 0.5));
    expectColor(Colors::colorByAddingRed(color, 0.6, -1, 0.1, 0.2), Color::rgba(1, 0, 0.3, 0.7));
    expectColor(Colors::colorByLighteningToRed(color, 0.6, 0.1, 2, 0), Color::rgba(0.6, 0.8, 2, 0.5));
    expectColor(Colors::colorByDarkeningToRed(color, 0.6, 0.1, -1, 1), Color::rgba(0.5, 0.1, -1, 0.5));
}

TEST(UIColorVessamyArithmetic, SingleValueAndColourFormsKeepAlpha) {
    const Color color = Color::rgba(0.5, 0.8, 0.2, 0.5);
    expectColor(Colors::colorByMultiplyingBy(color, 0.5), Color::rgba(0.25, 0.4, 0.1, 0.5));
    expectColor(Colors::colorByAdding(color, 0.1), Color::rgba(0.6, 0.9, 0.3, 0.5));
    expectColor(Colors::colorByLighteningTo(color, 0.6), Color::rgba(0.6, 0.8, 0.6, 0.5));
    expectColor(Colors::colorByDarkeningTo(color, 0.6), Color::rgba(0.5, 0.6, 0.2, 0.5));
    const Color other = Color::rgba(0.5, 0.5, 0.5, 0.0);
    expectColor(Colors::colorByMultiplyingByColor(color, other), Color::rgba(0.25, 0.4, 0.1, 0.5));
    expectColor(Colors::colorByAddingColor(color, other), Color::rgba(1, 1, 0.7, 0.5));
    expectColor(Colors::colorByLighteningToColor(color, other), Color::rgba(0.5, 0.8, 0.5, 0.5));
    expectColor(Colors::colorByDarkeningToColor(color, other), Color::rgba(0.5, 0.5, 0.2, 0.5));
    expectColor(Colors::colorByLuminanceMapping(Color::rgba(1, 0, 0, 0.3)), Color::white(0.2126, 0.3));
}

TEST(UIColorVessamyHex, RgbHexClampsAndRounds) {
    EXPECT_EQ(Colors::rgbHex(Color::rgba(1.5, -0.2, 0.5, 1)), 0xFF0080u);
    EXPECT_EQ(Colors::rgbHex(Color::rgba(std::nan(""), 0.0, 1.0 / 255.0, 1)), 0x000001u);
    EXPECT_EQ(Colors::hexStringFromColor(Color::rgba(0, 0.2, 1, 1)), "0033FF");
}

TEST(UIColorVessamyHex, HexReadingFollowsTheScanner) {
    expectColor(Colors::colorWithRGBHex(0x12FF80), Color::rgba(0x12 / 255.0, 1, 0x80 / 255.0, 1));
    expectColor(Colors::colorWithRGBHex(0xAB000000), Color::rgba(0, 0, 0, 1));
    expectColor(Colors::colorWithHexString("  0xff8000"), Color::rgba(1, 0x80 / 255.0, 0, 1));
    expectColor(Colors::colorWithHexString("00ff00 and more"), Color::rgba(0, 1, 0, 1));
    expectColor(Colors::colorWithHexString("0xg"), Color::rgba(0, 0, 0, 1));
    expectColor(Colors::colorWithHexString("FFFFFFFFFFFFFFFFFFFFFF"), Color::rgba(1, 1, 1, 1));
    EXPECT_FALSE(Colors::colorWithHexString("#ff0000"));
}

TEST(UIColorVessamyText, StringFormRoundTrips) {
    const Color color = Color::rgba(0.12345, 0.5, 1, 0.25);
    const std::string text = Colors::stringFromColor(color);
    EXPECT_EQ(text, "{0.123, 0.500, 1.000, 0.250}");
    expectColor(Colors::colorWithString(text), Color::rgba(0.123, 0.5, 1, 0.25));
    expectColor(Colors::colorWithString("{0.5, 0.25}"), Color::white(0.5, 0.25));
    expectColor(Colors::colorWithString("{ 1 ,0,0,1 }"), Color::rgba(1, 0, 0, 1));
}

TEST(UIColorVessamyText, OtherFormsReadAsNothing) {
    for (const char* text :
         {"{0.1, 0.2, 0.3}", "{0.1}", "{1,2,3,4,5}", "{}", "{0.1, 0.2} ", "{0.1, 0.2}x", "0.1, 0.2", "{0.1, 0.2",
          "{a, b}", "{0.1,, 0.2, 0.3}", "{nan, 1}", "{inf, 1, 1, 1}", "{1e400, 1}", "{0.1, 0.2}}", ""}) {
        EXPECT_FALSE(Colors::colorWithString(text)) << text;
    }
}

TEST(UIColorVessamyNames, NamedColoursAreLowerCaseCssKeywords) {
    expectColor(Colors::colorWithName("aliceblue"), Colors::colorWithRGBHex(0xF0F8FF));
    expectColor(Colors::colorWithName("yellowgreen"), Colors::colorWithRGBHex(0x9ACD32));
    EXPECT_FALSE(Colors::colorWithName("Gray"));
    EXPECT_FALSE(Colors::colorWithName("gre"));
    // Names that would match across entries of the table.
    EXPECT_FALSE(Colors::searchForColorByName("aqua#00ffff,aquamarine"));
    EXPECT_FALSE(Colors::searchForColorByName("yellowgreen#"));
}

TEST(UIColorVessamyNames, RandomColoursAreOpaqueAndInRange) {
    for (int round = 0; round < 100; ++round) {
        const Color color = Colors::randomColor();
        EXPECT_EQ(color.alpha, 1.0);
        for (const double component : {color.red, color.green, color.blue}) {
            EXPECT_GE(component, 0.0);
            EXPECT_LT(component, 1.0);
        }
    }
}

}  // namespace
}  // namespace qov
