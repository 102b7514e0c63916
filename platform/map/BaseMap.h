#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/gfx/Rect.h"
#include "platform/map/CoastlineData.h"
#include "platform/map/MapType.h"

namespace platform::gfx {
class BitmapContext;
}

namespace platform::map {

// The map under a map view's overlays: sea, land, lakes and coasts from the coastline files installed with the
// system's packages (nothing is fetched), in the colours of the map type. Two files: a low resolution one for
// wide views and a detailed one from tile level kDetailedFromLevel on. Each file is read on its first draw;
// when one cannot be read (logged once) the map shows sea only at its zooms. Drawing is thread-safe.
class BaseMap {
public:
    static constexpr int kDetailedFromLevel = 7;

    BaseMap(std::string lowResolutionPath, std::string detailedPath);

    // The process base map over the installed coastline files.
    static BaseMap& shared();

    // Draws the visible map rect at the zoom scale (view points per map point) into viewRect.
    void draw(gfx::BitmapContext& context, const MapRect& visible, double zoomScale, const gfx::Rect& viewRect,
              MapType type) const;
    // The coastlines drawn at the zoom scale, read on first use; nullptr when the file cannot be read.
    const CoastlineData* coastlines(double zoomScale) const;

private:
    // One coastline file, read once.
    struct Source {
        std::string path;
        std::once_flag loaded;
        std::optional<CoastlineData> data;
    };
    static const CoastlineData* load(Source& source);

    mutable Source m_lowResolution;
    mutable Source m_detailed;
};

}  // namespace platform::map
