#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/core/model/QOVPointOfInterest.h"

namespace qov {

// The points of interest of one type in one map tile, as the application cache keeps them for a day.
// Archive keys: "poiLocations", "quadKey", "type" (integer), "createdDate".
class QOVPOIList : public QOVDataObject {
public:
    static constexpr double kStaleAge = 86400.0;

    // createdDate is now.
    QOVPOIList();

    const std::vector<std::shared_ptr<QOVPointOfInterest>>& poiLocations() const { return m_poiLocations; }
    void setPoiLocations(std::vector<std::shared_ptr<QOVPointOfInterest>> poiLocations) {
        m_poiLocations = std::move(poiLocations);
    }
    const std::string& quadKey() const { return m_quadKey; }
    void setQuadKey(std::string quadKey) { m_quadKey = std::move(quadKey); }
    std::uint32_t type() const { return m_type; }
    void setType(std::uint32_t type) { m_type = type; }
    platform::Date createdDate() const { return m_createdDate; }

    // Seconds from now to the creation: negative for a list made in the past.
    double age() const;
    // More than a day old (or made more than a day ahead of the clock), counted in whole seconds.
    bool isStale() const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::vector<std::shared_ptr<QOVPointOfInterest>> m_poiLocations;
    std::string m_quadKey;
    std::uint32_t m_type = 0;
    platform::Date m_createdDate;
};

}  // namespace qov
