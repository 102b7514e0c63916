#include "app/core/categories/UIColorVessamy.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <fmt/format.h>

#include "app/core/categories/NamedColorCache.h"
#include "platform/base/ProcessInstance.h"

namespace qov {
namespace {

using Color = UIColorVessamy::Color;

// Every entry is a comma, the name, "#" and six lower-case hexadecimal digits, in alphabetical order.
constexpr std::string_view kNamedColors =
    ",aliceblue#f0f8ff,antiquewhite#faebd7,aqua#00ffff,aquamarine#7fffd4,azure#f0ffff,beige#f5f5dc,bisque#ffe4c4"
    ",black#000000,blanchedalmond#ffebcd,blue#0000ff,blueviolet#8a2be2,brown#a52a2a,burlywood#deb887"
    ",cadetblue#5f9ea0,chartreuse#7fff00,chocolate#d2691e,coral#ff7f50,cornflowerblue#6495ed,cornsilk#fff8dc"
    ",crimson#dc143c,cyan#00ffff,darkblue#00008b,darkcyan#008b8b,darkgoldenrod#b8860b,darkgray#a9a9a9"
    ",darkgreen#006400,darkgrey#a9a9a9,darkkhaki#bdb76b,darkmagenta#8b008b,darkolivegreen#556b2f,darkorange#ff8c00"
    ",darkorchid#9932cc,darkred#8b0000,darksalmon#e9967a,darkseagreen#8fbc8f,darkslateblue#483d8b"
    ",darkslategray#2f4f4f,darkslategrey#2f4f4f,darkturquoise#00ced1,darkviolet#9400d3,deeppink#ff1493"
    ",deepskyblue#00bfff,dimgray#696969,dimgrey#696969,dodgerblue#1e90ff,firebrick#b22222,floralwhite#fffaf0"
    ",forestgreen#228b22,fuchsia#ff00ff,gainsboro#dcdcdc,ghostwhite#f8f8ff,gold#ffd700,goldenrod#daa520,gray#808080"
    ",green#008000,greenyellow#adff2f,grey#808080,honeydew#f0fff0,hotpink#ff69b4,indianred#cd5c5c,indigo#4b0082"
    ",ivory#fffff0,khaki#f0e68c,lavender#e6e6fa,lavenderblush#fff0f5,lawngreen#7cfc00,lemonchiffon#fffacd"
    ",lightblue#add8e6,lightcoral#f08080,lightcyan#e0ffff,lightgoldenrodyellow#fafad2,lightgray#d3d3d3"
    ",lightgreen#90ee90,lightgrey#d3d3d3,lightpink#ffb6c1,lightsalmon#ffa07a,lightseagreen#20b2aa"
    ",lightskyblue#87cefa,lightslategray#778899,lightslategrey#778899,lightsteelblue#b0c4de,lightyellow#ffffe0"
    ",lime#00ff00,limegreen#32cd32,linen#faf0e6,magenta#ff00ff,maroon#800000,mediumaquamarine#66cdaa"
    ",mediumblue#0000cd,mediumorchid#ba55d3,mediumpurple#9370db,mediumseagreen#3cb371,mediumslateblue#7b68ee"
    ",mediumspringgreen#00fa9a,mediumturquoise#48d1cc,mediumvioletred#c71585,midnightblue#191970,mintcream#f5fffa"
    ",mistyrose#ffe4e1,moccasin#ffe4b5,navajowhite#ffdead,navy#000080,oldlace#fdf5e6,olive#808000,olivedrab#6b8e23"
    ",orange#ffa500,orangered#ff4500,orchid#da70d6,palegoldenrod#eee8aa,palegreen#98fb98,paleturquoise#afeeee"
    ",palevioletred#db7093,papayawhip#ffefd5,peachpuff#ffdab9,peru#cd853f,pink#ffc0cb,plum#dda0dd,powderblue#b0e0e6"
    ",purple#800080,red#ff0000,rosybrown#bc8f8f,royalblue#4169e1,saddlebrown#8b4513,salmon#fa8072,sandybrown#f4a460"
    ",seagreen#2e8b57,seashell#fff5ee,sienna#a0522d,silver#c0c0c0,skyblue#87ceeb,slateblue#6a5acd,slategray#708090"
    ",slategrey#708090,snow#fffafa,springgreen#00ff7f,steelblue#4682b4,tan#d2b48c,teal#008080,thistle#d8bfd8"
    ",tomato#ff6347,turquoise#40e0d0,violet#ee82ee,wheat#f5deb3,white#ffffff,whitesmoke#f5f5f5,yellow#ffff00"
    ",yellowgreen#9acd32";

// How many names the process-wide colour cache keeps before it starts afresh.
constexpr std::size_t kNamedColorCacheCapacity = 256;

double clamped(double value) { return std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 1.0); }

template <typename Operation>
Color combined(const Color& color, double red, double green, double blue, double alpha, Operation operation) {
    return Color::rgba(operation(color.red, red), operation(color.green, green), operation(color.blue, blue),
                       operation(color.alpha, alpha));
}

std::uint32_t byte(double component) { return static_cast<std::uint32_t>(std::lround(clamped(component) * 255.0)); }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view trimmedBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The hexadecimal number at the start of text (saturating), or nothing when there is no digit.
std::optional<std::uint32_t> leadingHex(std::string_view text) {
    if (text.empty() || hexDigit(text.front()) < 0) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0) {
            break;
        }
        value = std::min<std::uint64_t>(value * 16 + static_cast<std::uint64_t>(digit),
                                        std::numeric_limits<std::uint32_t>::max());
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

int UIColorVessamy::colorSpaceModel(const Color& /*color*/) { return kColorSpaceModelRGB; }

std::string UIColorVessamy::colorSpaceString(const Color& color) { return colorSpaceString(colorSpaceModel(color)); }

std::string UIColorVessamy::colorSpaceString(int model) {
    switch (model) {
        case kColorSpaceModelUnknown: return "kCGColorSpaceModelUnknown";
        case kColorSpaceModelMonochrome: return "kCGColorSpaceModelMonochrome";
        case kColorSpaceModelRGB: return "kCGColorSpaceModelRGB";
        case kColorSpaceModelCMYK: return "kCGColorSpaceModelCMYK";
        case kColorSpaceModelLab: return "kCGColorSpaceModelLab";
        case kColorSpaceModelDeviceN: return "kCGColorSpaceModelDeviceN";
        case kColorSpaceModelIndexed: return "kCGColorSpaceModelIndexed";
        case kColorSpaceModelPattern: return "kCGColorSpaceModelPattern";
        default: return "Not a valid color space";
    }
}

bool UIColorVessamy::canProvideRGBComponents(const Color& color) {
    const int model = colorSpaceModel(color);
    return model == kColorSpaceModelRGB || model == kColorSpaceModelMonochrome;
}

bool UIColorVessamy::red(const Color& color, double* red, double* green, double* blue, double* alpha) {
    if (!canProvideRGBComponents(color)) {
        return false;
    }
    if (red) {
        *red = color.red;
    }
    if (green) {
        *green = color.green;
    }
    if (blue) {
        *blue = color.blue;
    }
    if (alpha) {
        *alpha = color.alpha;
    }
    return true;
}

double UIColorVessamy::red(const Color& color) { return color.red; }
double UIColorVessamy::green(const Color& color) { return color.green; }
double UIColorVessamy::blue(const Color& color) { return color.blue; }
double UIColorVessamy::white(const Color& color) { return color.red; }
double UIColorVessamy::alpha(const Color& color) { return color.alpha; }

std::array<double, 4> UIColorVessamy::arrayFromRGBAComponents(const Color& color) {
    return {color.red, color.green, color.blue, color.alpha};
}

Color UIColorVessamy::colorByLuminanceMapping(const Color& color) {
    return Color::white(0.2126 * color.red + 0.7152 * color.green + 0.0722 * color.blue, color.alpha);
}

Color UIColorVessamy::colorByMultiplyingByRed(const Color& color, double red, double green, double blue, double alpha) {
    return combined(color, red, green, blue, alpha, [](double a, double b) { return clamped(a * b); });
}

Color UIColorVessamy::colorByAddingRed(const Color& color, double red, double green, double blue, double alpha) {
    return combined(color, red, green, blue, alpha, [](double a, double b) { return clamped(a + b); });
}

Color UIColorVessamy::colorByLighteningToRed(const Color& color, double red, double green, double blue, double alpha) {
    return combined(color, red, green, blue, alpha, [](double a, double b) { return std::max(a, b); });
}

Color UIColorVessamy::colorByDarkeningToRed(const Color& color, double red, double green, double blue, double alpha) {
    return combined(color, red, green, blue, alpha, [](double a, double b) { return std::min(a, b); });
}

Color UIColorVessamy::colorByMultiplyingBy(const Color& color, double factor) {
    return colorByMultiplyingByRed(color, factor, factor, factor, 1.0);
}

Color UIColorVessamy::colorByAdding(const Color& color, double amount) {
    return colorByAddingRed(color, amount, amount, amount, 0.0);
}

Color UIColorVessamy::colorByLighteningTo(const Color& color, double level) {
    return colorByLighteningToRed(color, level, level, level, 0.0);
}

Color UIColorVessamy::colorByDarkeningTo(const Color& color, double level) {
    return colorByDarkeningToRed(color, level, level, level, 1.0);
}

Color UIColorVessamy::colorByMultiplyingByColor(const Color& color, const Color& other) {
    return colorByMultiplyingByRed(color, other.red, other.green, other.blue, 1.0);
}

Color UIColorVessamy::colorByAddingColor(const Color& color, const Color& other) {
    return colorByAddingRed(color, other.red, other.green, other.blue, 0.0);
}

Color UIColorVessamy::colorByLighteningToColor(const Color& color, const Color& other) {
    return colorByLighteningToRed(color, other.red, other.green, other.blue, 0.0);
}

Color UIColorVessamy::colorByDarkeningToColor(const Color& color, const Color& other) {
    return colorByDarkeningToRed(color, other.red, other.green, other.blue, 1.0);
}

std::uint32_t UIColorVessamy::rgbHex(const Color& color) {
    return byte(color.red) << 16 | byte(color.green) << 8 | byte(color.blue);
}

std::string UIColorVessamy::hexStringFromColor(const Color& color) { return fmt::format("{:06X}", rgbHex(color)); }

std::string UIColorVessamy::stringFromColor(const Color& color) {
    return fmt::format("{{{:.3f}, {:.3f}, {:.3f}, {:.3f}}}", color.red, color.green, color.blue, color.alpha);
}

std::optional<Color> UIColorVessamy::colorWithString(std::string_view text) {
    if (text.size() < 2 || text.front() != '{' || text.find('}') != text.size() - 1) {
        return std::nullopt;
    }
    std::string_view inner = text.substr(1, text.size() - 2);
    std::vector<double> numbers;
    while (numbers.size() < 5) {
        const std::size_t comma = inner.find(',');
        const std::string_view piece = trimmedBlanks(inner.substr(0, comma));
        double number = 0.0;
        const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), number);
        if (piece.empty() || error != std::errc() || end != piece.data() + piece.size() || !std::isfinite(number)) {
            return std::nullopt;
        }
        numbers.push_back(number);
        if (comma == std::string_view::npos) {
            break;
        }
        inner.remove_prefix(comma + 1);
    }
    if (numbers.size() == 4) {
        return Color::rgba(numbers[0], numbers[1], numbers[2], numbers[3]);
    }
    if (numbers.size() == 2) {
        return Color::white(numbers[0], numbers[1]);
    }
    return std::nullopt;
}

Color UIColorVessamy::colorWithRGBHex(std::uint32_t hex) {
    return Color::rgba(((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, 1.0);
}

std::optional<Color> UIColorVessamy::colorWithHexString(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    if ((text.starts_with("0x") || text.starts_with("0X")) && text.size() > 2 && hexDigit(text[2]) >= 0) {
        text.remove_prefix(2);
    }
    const auto hex = leadingHex(text);
    if (!hex) {
        return std::nullopt;
    }
    return colorWithRGBHex(*hex);
}

Color UIColorVessamy::randomColor() {
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::uint32_t> distribution(0, 0x7FFFFFFF);
    constexpr double kRange = 2147483648.0;  // 2^31
    return Color::rgba(distribution(generator) / kRange, distribution(generator) / kRange,
                       distribution(generator) / kRange, 1.0);
}

std::optional<Color> UIColorVessamy::colorWithName(std::string_view name) {
    static platform::NeverDestroyed<NamedColorCache> cache(searchForColorByName, kNamedColorCacheCapacity);
    return cache->colorWithName(name);
}

std::optional<Color> UIColorVessamy::searchForColorByName(std::string_view name) {
    // A comma or "#" in the name would match across entries.
    if (name.empty() || name.find_first_of(",#") != std::string_view::npos) {
        return std::nullopt;
    }
    // Appended piece by piece: GCC 12 warns wrongly of overlapping copies when text is put before a string.
    std::string needle(",");
    needle += name;
    needle += '#';
    const std::size_t found = kNamedColors.find(needle);
    if (found == std::string_view::npos) {
        return std::nullopt;
    }
    const auto hex = leadingHex(kNamedColors.substr(found + needle.size()));
    if (!hex) {
        return std::nullopt;
    }
    return colorWithRGBHex(*hex);
}

}  // namespace qov
