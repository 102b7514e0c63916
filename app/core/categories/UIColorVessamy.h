#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/gfx/Color.h"

namespace qov {

// Colour arithmetic, hexadecimal and text forms, and the named colours of CSS (the 147 extended colour
// keywords, gray and grey alike). Components run from 0 to 1. Platform colours always hold red, green, blue
// and alpha, so every operation here can read them (a grey is red = green = blue).
class UIColorVessamy {
public:
    using Color = platform::gfx::Color;

    // Colour-space models in the platform's numbering.
    enum ColorSpaceModel : int {
        kColorSpaceModelUnknown = -1,
        kColorSpaceModelMonochrome = 0,
        kColorSpaceModelRGB = 1,
        kColorSpaceModelCMYK = 2,
        kColorSpaceModelLab = 3,
        kColorSpaceModelDeviceN = 4,
        kColorSpaceModelIndexed = 5,
        kColorSpaceModelPattern = 6,
    };

    static int colorSpaceModel(const Color& color);
    // "kCGColorSpaceModelRGB" and so on; "Not a valid color space" for a number outside the models.
    static std::string colorSpaceString(const Color& color);
    static std::string colorSpaceString(int model);
    static bool canProvideRGBComponents(const Color& color);

    // Stores the components where pointers are given; true when the colour could give them.
    static bool red(const Color& color, double* red, double* green, double* blue, double* alpha);
    static double red(const Color& color);
    static double green(const Color& color);
    static double blue(const Color& color);
    static double white(const Color& color);
    static double alpha(const Color& color);
    static std::array<double, 4> arrayFromRGBAComponents(const Color& color);

    // A grey of the colour's luminance (0.2126 red + 0.7152 green + 0.0722 blue), same alpha.
    static Color colorByLuminanceMapping(const Color& color);

    // Each component multiplied by, or increased by, the given one, then kept within 0...1.
    static Color colorByMultiplyingByRed(const Color& color, double red, double green, double blue, double alpha);
    static Color colorByAddingRed(const Color& color, double red, double green, double blue, double alpha);
    // Each component the larger (lightening) or smaller (darkening) of the colour's and the given one.
    static Color colorByLighteningToRed(const Color& color, double red, double green, double blue, double alpha);
    static Color colorByDarkeningToRed(const Color& color, double red, double green, double blue, double alpha);

    // The same with one value for red, green and blue; alpha is multiplied by 1, increased by 0, lightened to 0
    // or darkened to 1.
    static Color colorByMultiplyingBy(const Color& color, double factor);
    static Color colorByAdding(const Color& color, double amount);
    static Color colorByLighteningTo(const Color& color, double level);
    static Color colorByDarkeningTo(const Color& color, double level);

    // The same with another colour's red, green and blue, and the alpha of the one-value forms.
    static Color colorByMultiplyingByColor(const Color& color, const Color& other);
    static Color colorByAddingColor(const Color& color, const Color& other);
    static Color colorByLighteningToColor(const Color& color, const Color& other);
    static Color colorByDarkeningToColor(const Color& color, const Color& other);

    // red << 16 | green << 8 | blue, each component clamped to 0...1 and rounded to 0...255.
    static std::uint32_t rgbHex(const Color& color);
    // Six upper-case hexadecimal digits of rgbHex.
    static std::string hexStringFromColor(const Color& color);

    // "{r, g, b, a}" with three decimals; colorWithString reads "{r, g, b, a}" or "{white, alpha}" back and
    // answers nothing for any other count of numbers or anything after the closing brace.
    static std::string stringFromColor(const Color& color);
    static std::optional<Color> colorWithString(std::string_view text);

    // Red, green and blue from the three bytes of a 24-bit value, alpha 1.
    static Color colorWithRGBHex(std::uint32_t hex);
    // A hexadecimal number (leading blanks and "0x" allowed, reading stops at the first other character);
    // nothing when the text does not start with one.
    static std::optional<Color> colorWithHexString(std::string_view text);
    // Random red, green and blue, alpha 1.
    static Color randomColor();

    // The CSS colour of that lower-case name, or nothing. Answers are kept in a bounded process-wide cache.
    static std::optional<Color> colorWithName(std::string_view name);
    // The same without the cache.
    static std::optional<Color> searchForColorByName(std::string_view name);
};

}  // namespace qov
