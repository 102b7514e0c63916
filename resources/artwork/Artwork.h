#pragma once

#include <functional>
#include <string>
#include <vector>

#include "resources/artwork/Painter.h"

namespace artwork {

// One picture of the bundle: its file name, its pixel size and how to draw it.
struct Piece {
    std::string fileName;
    int width = 0;
    int height = 0;
    std::function<void(Painter&)> paint;
};

// A family of pictures drawn by one source file. Each family file registers itself at start-up:
//   [[maybe_unused]] const bool registered = artwork::registerFamily("tab icons", {{"a.png", 30, 30, drawA}});
bool registerFamily(std::string name, std::vector<Piece> pieces);

struct Family {
    std::string name;
    std::vector<Piece> pieces;
};
// Every registered family, in registration order.
const std::vector<Family>& families();

}  // namespace artwork
