#pragma once

#include "platform/base/Date.h"
#include "platform/base/Object.h"
#include "platform/geo/Coordinate.h"

namespace platform::geo {

// One position reported by a position source. Immutable, so one fix can be shared freely (it travels as a
// notification object too).
class PositionFix : public Object {
public:
    // horizontalAccuracy: the radius in metres within which the true position lies; negative when unknown.
    PositionFix(Coordinate coordinate, double horizontalAccuracy, Date timestamp)
        : m_coordinate(coordinate), m_horizontalAccuracy(horizontalAccuracy), m_timestamp(timestamp) {}

    const Coordinate& coordinate() const { return m_coordinate; }
    double horizontalAccuracy() const { return m_horizontalAccuracy; }
    Date timestamp() const { return m_timestamp; }

private:
    const Coordinate m_coordinate;
    const double m_horizontalAccuracy;
    const Date m_timestamp;
};

}  // namespace platform::geo
