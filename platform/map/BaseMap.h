#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Rect.h"
#include "platform/map/CoastlineData.h"
#include "platform/map/MapType.h"

namespace platform::gfx {
class BitmapContext;
}

namespace platform::map {

// The map under a map view's overlays: sea, land, lakes and coasts from the coastline files installed with the
// system's packages (nothing is fetched), in the colours of the map type. Two files: a low resolution one for
// wide views and a detailed one from tile level kDetailedFromLevel on. A draw reads only the bins of the file
// that its rect meets and keeps the bins it read, the most recently drawn first, up to a number of points per
// file (kCachedPoints unless given; a draw that needs more keeps them until it ends). When a file cannot be read
// (logged) the map shows sea only at its zooms. Drawing is thread-safe: one lock per file guards its bins.
class BaseMap {
public:
    static constexpr int kDetailedFromLevel = 6;
    static constexpr std::size_t kCachedPoints = 300'000;

    BaseMap(std::string lowResolutionPath, std::string detailedPath, std::size_t cachedPoints = kCachedPoints);

    // The process base map over the installed coastline files.
    static BaseMap& shared();

    // Draws the visible map rect at the zoom scale (view points per map point) into viewRect.
    void draw(gfx::BitmapContext& context, const MapRect& visible, double zoomScale, const gfx::Rect& viewRect,
              MapType type) const;
    // Whether the coastline file drawn at the zoom scale reads.
    bool hasCoastlines(double zoomScale) const;
    // The points of the bins kept from both files.
    std::size_t cachedPoints() const;

private:
    using Bin = std::shared_ptr<const CoastlineData>;
    // One coastline file: its layout, read once, and the bins kept from it.
    struct Source {
        std::string path;
        std::mutex mutex;
        bool layoutRead = false;
        std::optional<CoastlineLayout> layout;
        std::list<std::pair<std::size_t, Bin>> kept;  // most recently drawn first
        std::size_t keptPoints = 0;
        // The file's layout, read on first use; nullptr when the file cannot be read. The mutex is held.
        const CoastlineLayout* layoutLocked();
    };
    Source& sourceFor(double zoomScale) const;
    // The bins of the file that meet any of the rects, read when not kept; empty when the file cannot be read.
    std::vector<Bin> binsFor(Source& source, const std::vector<MapRect>& rects) const;

    const std::size_t m_cachedPoints;
    mutable Source m_lowResolution;
    mutable Source m_detailed;
};

}  // namespace platform::map
