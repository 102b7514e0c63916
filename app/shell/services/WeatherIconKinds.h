#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qov {

// The data service's weather icon codes (0 to 47): the kind of weather each one illustrates and whether it
// is a night code. Header only, so the build-time artwork generator names its pictures from the same table.
struct WeatherIconKinds {
    static constexpr std::int32_t kCount = 48;
    // The code drawn for codes outside the table, and as the empty icon.
    static constexpr std::int32_t kEmpty = 44;
    // The one code whose picture name has no day or night ending.
    static constexpr std::int32_t kUnended = 22;

    static constexpr std::array<std::string_view, kCount> kKinds = {
        "default",
        "default",
        "default",
        "rainy",
        "rainy",
        "mostly_cloudy",
        "icy",
        "icy",
        "icy",
        "rainy",
        "rainy",
        "rainy",
        "rainy",
        "snow",
        "snow",
        "snow",
        "snow",
        "rainy",
        "icy",
        "foggy",
        "foggy",
        "foggy",
        "default",
        "windy",
        "default",
        "default",
        "partially_cloudy",
        "mostly_cloudy",
        "mostly_cloudy",
        "partially_cloudy",
        "partially_cloudy",
        "clear",
        "clear",
        "partially_cloudy",
        "partially_cloudy",
        "rainy",
        "clear",
        "thunderstorm",
        "thunderstorm",
        "rainy",
        "rainy",
        "snow",
        "snow",
        "snow",
        "default",
        "rainy",
        "snow",
        "snow",
    };

    static constexpr bool inRange(std::int32_t code) { return static_cast<std::uint32_t>(code) < kCount; }

    static constexpr bool isNight(std::int32_t code) {
        for (const std::int32_t night : {27, 29, 31, 33, 45, 46, 47}) {
            if (code == night) {
                return true;
            }
        }
        return false;
    }

    // "kind_day" / "kind_night", or the kind alone for the unended code; empty outside the table.
    static std::string baseName(std::int32_t code) {
        if (!inRange(code)) {
            return {};
        }
        std::string name(kKinds[static_cast<std::size_t>(code)]);
        if (code != kUnended) {
            name += isNight(code) ? "_night" : "_day";
        }
        return name;
    }
};

}  // namespace qov
