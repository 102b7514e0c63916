#pragma once

#include <string>

namespace qovcli {

// Installs a map tile cache over the home's caches folder whose tile-server client fetches the series list and
// the tiles from host ("HOST:PORT"); the stand-in service answers both.
void aimTileServerAt(const std::string& host);

}  // namespace qovcli
