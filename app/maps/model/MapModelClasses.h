#pragma once

namespace qov {

// Registers the archivable map classes (QOVMapTileConfig, QOVMapLayer, QOVMapSeries, QOVMapTileData) with the
// keyed archiver under their class names. Idempotent and thread-safe; code that reads map archives calls it
// first (the map tile cache does so when it is made).
void registerMapModelClasses();

}  // namespace qov
