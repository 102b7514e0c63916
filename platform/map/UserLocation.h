#pragma once

#include <optional>

#include "platform/map/Annotation.h"

namespace platform::map {

// The annotation of the device's own position on a map view that shows it: the last fix the process position
// source handed to its delegate (the map never starts or takes over the source). Without a fix it has no
// place and is not shown. Main thread only.
class UserLocation : public Annotation {
public:
    // The fix's coordinate, or nullopt before the first fix.
    std::optional<geo::Coordinate> location() const;
    geo::Coordinate coordinate() const override;
    std::string title() const override { return "Current Location"; }
};

}  // namespace platform::map
