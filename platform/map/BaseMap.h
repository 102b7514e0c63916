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

// The map under a map view's overlays: sea, land, lakes and coasts from the coastline file installed with the
// system's packages (nothing is fetched), in the colours of the map type. The file is read on the first draw;
// when it cannot be read (logged once) the map shows sea only. Drawing is thread-safe.
class BaseMap {
public:
    explicit BaseMap(std::string coastlinePath);

    // The process base map over the installed coastline file.
    static BaseMap& shared();

    // Draws the visible map rect at the zoom scale (view points per map point) into viewRect.
    void draw(gfx::BitmapContext& context, const MapRect& visible, double zoomScale, const gfx::Rect& viewRect,
              MapType type) const;
    // The coastlines, read on first use; nullptr when the file cannot be read.
    const CoastlineData* coastlines() const;

private:
    std::string m_path;
    mutable std::once_flag m_loaded;
    mutable std::optional<CoastlineData> m_data;
};

}  // namespace platform::map
