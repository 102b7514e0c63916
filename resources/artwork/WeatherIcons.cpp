// The weather icons: one picture per icon code (0 to 47) at each icon size (25, 44, 100, 128 and 256
// pixels), named "%02i_%i.png", on a transparent ground; and the arrow of rows that open details.

#include <string>
#include <vector>

#include "app/shell/services/WeatherIconKinds.h"
#include "resources/artwork/Artwork.h"
#include "resources/artwork/WeatherGlyphs.h"

namespace artwork {
namespace {

constexpr int kSizes[] = {25, 44, 100, 128, 256};

std::string iconName(int code, int size) {
    // Two digits at least; built by appending only (GCC 12 warns wrongly of overlapping copies for an insert).
    std::string name(code < 10 ? "0" : "");
    name += std::to_string(code);
    name += '_';
    name += std::to_string(size);
    name += ".png";
    return name;
}

std::vector<Piece> icons() {
    std::vector<Piece> pieces;
    for (int code = 0; code < qov::WeatherIconKinds::kCount; ++code) {
        for (const int size : kSizes) {
            pieces.push_back({iconName(code, size), size, size,
                              [code, size](Painter& p) { WeatherGlyph::forCode(code).draw(p, 0, 0, size); }});
        }
    }
    pieces.push_back({"row-arrow.png", 10, 14, [](Painter& p) {
                          p.strokePolyline({2, 2, 8, 7, 2, 12}, Color::rgba(0.7, 0.72, 0.78), 2.0);
                      }});
    return pieces;
}

[[maybe_unused]] const bool registered = registerFamily("weather icons", icons());

}  // namespace
}  // namespace artwork
