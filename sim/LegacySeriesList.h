#pragma once

#include <string>

namespace qovsim {

// The series list in the form the older tile map asks for ("/TileServer/serieslist.do?count=N"): root "tiles"
// with "timestamp" (the time of the answer, written like a series date), "localZone" and "offset"; the layers
// inside "seriesInfo" with at most count series each (all of them for a negative count), newest first; forecast frames
// "ff" carry their "offset" in minutes after their run.
std::string legacySeriesList(double now, int count);

}  // namespace qovsim
