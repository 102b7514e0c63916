#include "app/core/model/QOVPointOfInterest.h"

#include <cmath>
#include <limits>

#include "app/core/model/ArchiveCoding.h"

namespace qov {

namespace {

// A degree value read back from an archive; values a float cannot hold read as 0.
float decodeFloat(const platform::KeyedUnarchiver& coder, std::string_view key) {
    const double value = coder.decodeDouble(key);
    if (std::isnan(value) || std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        return 0.0F;
    }
    return static_cast<float>(value);
}

}  // namespace

void QOVPointOfInterest::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    coder.encodeInteger(m_poiType, "poiType");
    coder.encodeString(m_pointId, "pointId");
    coder.encodeString(m_dnam, "dnam");
    coder.encodeDouble(m_latitude, "latitude");
    coder.encodeDouble(m_longitude, "longitude");
    coder.encodeString(m_lastUpdate, "lastUpdate");
    coder.encodeBool(m_severe, "severe");
    coder.encodeInteger(m_temperature, "temp");
}

void QOVPointOfInterest::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    m_poiType = archive::decodeInt32(coder, "poiType");
    m_pointId = coder.decodeString("pointId");
    m_dnam = coder.decodeString("dnam");
    m_latitude = decodeFloat(coder, "latitude");
    m_longitude = decodeFloat(coder, "longitude");
    m_lastUpdate = coder.decodeString("lastUpdate");
    m_severe = coder.decodeBool("severe");
    m_temperature = archive::decodeInt32(coder, "temp");
}

}  // namespace qov
