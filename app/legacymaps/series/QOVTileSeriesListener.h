#pragma once

namespace qov {

// Told by QOVTileSeries after each refresh of the series list, on the main loop.
class QOVTileSeriesListener {
public:
    virtual ~QOVTileSeriesListener() = default;
    virtual void seriesDataLoaded() = 0;
};

}  // namespace qov
