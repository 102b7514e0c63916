#include "resources/artwork/Artwork.h"

namespace artwork {
namespace {

std::vector<Family>& registry() {
    static std::vector<Family> families;
    return families;
}

}  // namespace

bool registerFamily(std::string name, std::vector<Piece> pieces) {
    registry().push_back(Family{std::move(name), std::move(pieces)});
    return true;
}

const std::vector<Family>& families() { return registry(); }

}  // namespace artwork
