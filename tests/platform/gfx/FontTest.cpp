#include <gtest/gtest.h>

#include "platform/gfx/Font.h"
#include "platform/gfx/Rect.h"

namespace platform::gfx {
namespace {

TEST(FontTest, MeasuresWithRealMetrics) {
    const Font font = Font::systemFont(17);
    const Size short_ = font.sizeOfText("iii");
    const Size wide = font.sizeOfText("WWW");
    EXPECT_GT(wide.width, short_.width * 1.5);
    EXPECT_GT(Font::boldSystemFont(17).sizeOfText("Weather").width, font.sizeOfText("Weather").width);
    EXPECT_GT(Font::systemFont(34).sizeOfText("Weather").width, font.sizeOfText("Weather").width * 1.8);
    EXPECT_EQ(font.sizeOfText("").width, 0.0);
    const double condensed = Font::condensedSystemFont(17, true).sizeOfText("Right Now").width;
    EXPECT_LT(condensed, Font::boldSystemFont(17).sizeOfText("Right Now").width * 0.92);
    EXPECT_GT(condensed, Font::condensedSystemFont(17).sizeOfText("Right Now").width);
}

TEST(FontTest, NamesAskingForBoldAreBold) {
    EXPECT_TRUE(Font("Helvetica-Bold", 12).isBold());
    EXPECT_FALSE(Font("Helvetica", 12).isBold());
    EXPECT_EQ(Font("Helvetica", -3).pointSize(), 17.0);
}

TEST(FontTest, WrapsAtSpacesAndLineEnds) {
    const Font font = Font::systemFont(17);
    const double width = font.sizeOfText("Partly cloudy").width + 1.0;
    const auto lines = font.wrap("Partly cloudy with a chance\nof rain", width);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.front(), "Partly cloudy");
    EXPECT_EQ(lines.back(), "of rain");
    for (const auto& line : lines) {
        EXPECT_LE(font.sizeOfText(line).width, width);
    }
    EXPECT_EQ(font.wrap("Partly cloudy with a chance", width, 1).size(), 1u);
    // A word wider than the line breaks between whole characters (a log line's long address).
    const std::string word = "https://qovara.net/légal/température";
    const double narrow = font.sizeOfText("https://qov").width;
    std::string joined;
    for (const auto& piece : font.wrap(word, narrow)) {
        EXPECT_LE(font.sizeOfText(piece).width, narrow) << piece;
        joined += piece;
    }
    EXPECT_EQ(joined, word);
    EXPECT_EQ(font.wrap("W", 1.0), std::vector<std::string>{"W"});
    const Size wrapped = font.sizeOfText("Partly cloudy with a chance", width);
    EXPECT_LE(wrapped.width, width);
    const auto wrappedLines = font.wrap("Partly cloudy with a chance", width);
    EXPECT_DOUBLE_EQ(wrapped.height, double(wrappedLines.size()) * font.lineHeight());
}

TEST(RectTest, IntersectionAndDescription) {
    const Rect a(0, 0, 10, 10);
    EXPECT_EQ(a.intersection(Rect(5, 5, 10, 10)), Rect(5, 5, 5, 5));
    EXPECT_TRUE(a.intersection(Rect(10, 0, 5, 5)).isEmpty());
    EXPECT_FALSE(a.intersects(Rect(10, 0, 5, 5)));
    EXPECT_TRUE(a.contains(Point{0, 9.5}));
    EXPECT_FALSE(a.contains(Point{10, 5}));
    EXPECT_EQ(Rect(1.5, 2, 300, 44).description(), "{1.5, 2, 300, 44}");
}

}  // namespace
}  // namespace platform::gfx
