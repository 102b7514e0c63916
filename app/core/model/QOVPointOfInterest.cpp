#include "app/core/model/QOVPointOfInterest.h"

#include <cmath>
#include <limits>
#include <mutex>

#include <fmt/format.h>

#include "app/core/model/ArchiveCoding.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/base/ProcessInstance.h"

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

std::mutex& writerMutex() {
    static platform::NeverDestroyed<std::mutex> mutex;
    return *mutex;
}

QOVPointOfInterest::TemperatureWriter& temperatureWriter() {
    static platform::NeverDestroyed<QOVPointOfInterest::TemperatureWriter> writer;
    return *writer;
}

}  // namespace

void QOVPointOfInterest::setTemperatureWriter(TemperatureWriter writer) {
    std::lock_guard lock(writerMutex());
    temperatureWriter() = std::move(writer);
}

platform::geo::Coordinate QOVPointOfInterest::coordinate() const {
    return platform::geo::Coordinate{static_cast<double>(m_latitude), static_cast<double>(m_longitude)};
}

std::string QOVPointOfInterest::temperatureText(std::int32_t fahrenheit) {
    TemperatureWriter writer;
    {
        std::lock_guard lock(writerMutex());
        writer = temperatureWriter();
    }
    return writer ? writer(fahrenheit) : fmt::format("{}°", fahrenheit);
}

std::string QOVPointOfInterest::title() const { return fmt::format("{} ({})", m_dnam, temperatureText(m_temperature)); }

std::shared_ptr<QOVLocationIdentity> QOVPointOfInterest::locationIdentity() const {
    return std::make_shared<QOVLocationIdentity>(m_poiType, m_pointId);
}

std::string QOVPointOfInterest::description() const {
    return fmt::format("({:x}) id={}, dnam={}, lat={:f}, long={:f}, severe={}, temp={}",
                       reinterpret_cast<std::uintptr_t>(this), m_pointId, m_dnam, m_latitude, m_longitude,
                       m_severe ? "YES" : "NO", m_temperature);
}

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
