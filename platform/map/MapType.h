#pragma once

namespace platform::map {

// How a map view styles its base map.
enum class MapType { Standard = 0, Satellite = 1, Hybrid = 2 };

}  // namespace platform::map
