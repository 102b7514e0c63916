#pragma once

#include <string>

#include "sim/TileAddress.h"
#include "sim/TileSchedule.h"

namespace qovsim {

// The tile server's pictures: 256 x 256 PNGs with transparent backgrounds, drawn from noise fields over the
// whole world, so neighbouring tiles (across the date line too) meet without a seam and a tile looks the same
// whenever it is asked for. Rain cells and clouds drift east-north-east and change shape slowly, so the frames
// of a loop show weather moving. Radar cells go from light green through yellow and orange to red; clouds are
// white to grey with their density as opacity.
class TileImagery {
public:
    static constexpr int kTileSize = 256;

    static std::string png(TileSchedule::Imagery imagery, const TileAddress& tile, double time);
};

}  // namespace qovsim
