#pragma once

#include "sim/Router.h"
#include "sim/SimEnvironment.h"

namespace qovsim {

// The map tile server:
//   GET /TileServer/serieslist.do: the series list, an XML document of the layers the server has (radar and
//     European radar, clouds, radar over clouds, temperature, feels-like, 24-hour rain and snow, UV index and
//     the forecast layers) with their series newest first and, for forecast layers, the frames of each run,
//     latest first; dates follow the clock (TileSchedule).
//   GET /TileServer/imgs/LAYER/DATE/QUADKEY.png: the tile of a layer at a series date.
//   GET /TileServer/ff/LAYER/MASTERDATE/DATE/QUADKEY.png: the tile of a forecast frame of a run.
//   GET /TileServer/serieslist.do?count=N: the older form of the series list (LegacySeriesList).
// Tiles are 256-pixel PNGs (TileImagery) of the time their date names (the empty quadkey names the level-0
// tile); a date is a series date or, as the older
// tile map writes it, "u" followed by the unix time in milliseconds. A layer the server does not know, a
// date that names no minute or a quadkey that names no tile answers 404. No API key is asked for.
void addTileServerRoutes(Router& router, const SimEnvironment& environment);

}  // namespace qovsim
