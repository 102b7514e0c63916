#pragma once

namespace platform::gfx {

// A colour as red, green, blue and alpha components from 0 to 1.
struct Color {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
    double alpha = 0.0;

    static constexpr Color rgba(double red, double green, double blue, double alpha = 1.0) {
        return Color{red, green, blue, alpha};
    }
    // A grey of the given brightness (0 black, 1 white).
    static constexpr Color white(double white = 1.0, double alpha = 1.0) { return Color{white, white, white, alpha}; }
    static constexpr Color black() { return white(0.0); }
    static constexpr Color clear() { return Color{}; }
    static constexpr Color gray() { return white(0.5); }
    static constexpr Color lightGray() { return white(2.0 / 3.0); }
    static constexpr Color darkGray() { return white(1.0 / 3.0); }
    static constexpr Color redColor() { return rgba(1.0, 0.0, 0.0); }
    static constexpr Color orangeColor() { return rgba(1.0, 0.5, 0.0); }

    constexpr Color withAlpha(double newAlpha) const { return Color{red, green, blue, newAlpha}; }
    constexpr bool isClear() const { return alpha <= 0.0; }

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

}  // namespace platform::gfx
