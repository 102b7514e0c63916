#pragma once

#include <string>

#include "sim/Gazetteer.h"
#include "sim/TileAddress.h"
#include "sim/TileSchedule.h"

namespace qovsim {

// The tile server's pictures: 256 x 256 PNGs with transparent backgrounds, drawn from fields over the whole
// world, so neighbouring tiles (across the date line too) meet without a seam and a tile looks the same whenever
// it is asked for. Rain cells and clouds drift east-north-east and change shape slowly (NoiseField), so the
// frames of a loop show weather moving; clouds thicken over the rain of the same time, so rain falls from cloud. Radar
// cells go from light green through yellow and orange to red (the European radar only over Europe); clouds are dark
// grey where thin to white where thick, as the legend and an infrared picture show them, and fade in over soft edges.
// Temperature, feels-like, 24-hour rain and snow and the UV index (SurfaceWeather, which follows the places' weather)
// take the colour scales of the maps screen's legends. Any thread.
class TileImagery {
public:
    static constexpr int kTileSize = 256;

    static std::string png(TileSchedule::Imagery imagery, const TileAddress& tile, double time,
                           const Gazetteer& places = Gazetteer());
};

}  // namespace qovsim
