#pragma once

#include <cstdint>
#include <string>

namespace qov {

// Hears each choice of the map options at once, on the main loop. Every call has an empty default.
class MapsOptionsViewControllerDelegate {
public:
    virtual ~MapsOptionsViewControllerDelegate() = default;
    virtual void layerSelectedWithName(const std::string& name) { (void)name; }
    virtual void poiSelectedWithType(std::int32_t type) { (void)type; }
    // 0 standard, 1 satellite, 2 hybrid.
    virtual void mapTypeSelected(unsigned mapType) { (void)mapType; }
    virtual void mapTransparencySelected(float transparency) { (void)transparency; }
    virtual void gpsDotSelected(bool on) { (void)on; }
};

}  // namespace qov
