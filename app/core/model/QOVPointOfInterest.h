#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/core/model/QOVDataObject.h"
#include "platform/map/Annotation.h"

namespace qov {

class QOVLocationIdentity;

// One point of interest of a map tile with its current temperature in the unit the service delivers. Its type
// is the kind of point the service was asked for: 1 cities, 17 schools, 9 airports, 19 parks, 5 golf courses,
// 21 lakes. Archive keys: "poiType", "pointId", "dnam", "latitude" and
// "longitude" (single precision, kept exactly), "lastUpdate", "severe", "temp".
//
// A point is a map annotation titled "NAME (TEMPERATURE)" (an unnamed point " (TEMPERATURE)"), without a
// subtitle. The temperature's text comes from the process's temperature writer: the user's unit system without
// its symbol once the application has installed one (setTemperatureWriter), "72°" until then.
class QOVPointOfInterest : public QOVDataObject, public platform::map::Annotation {
public:
    using TemperatureWriter = std::function<std::string(std::int32_t fahrenheit)>;
    // Any thread; nullptr restores the default.
    static void setTemperatureWriter(TemperatureWriter writer);
    // A temperature as the process's writer puts it ("72°" without one). Any thread.
    static std::string temperatureText(std::int32_t fahrenheit);

    std::int32_t poiType() const { return m_poiType; }
    void setPoiType(std::int32_t poiType) { m_poiType = poiType; }
    const std::string& pointId() const { return m_pointId; }
    void setPointId(std::string pointId) { m_pointId = std::move(pointId); }
    // The display name.
    const std::string& dnam() const { return m_dnam; }
    void setDnam(std::string dnam) { m_dnam = std::move(dnam); }
    float latitude() const { return m_latitude; }
    void setLatitude(float latitude) { m_latitude = latitude; }
    float longitude() const { return m_longitude; }
    void setLongitude(float longitude) { m_longitude = longitude; }
    // The time of the last update, as the service writes it.
    const std::string& lastUpdate() const { return m_lastUpdate; }
    void setLastUpdate(std::string lastUpdate) { m_lastUpdate = std::move(lastUpdate); }
    // Whether a severe-weather alert is in force at the point.
    bool hasSevereAlert() const { return m_severe; }
    void setSevere(bool severe) { m_severe = severe; }
    std::int32_t temperature() const { return m_temperature; }
    void setTemperature(std::int32_t temperature) { m_temperature = temperature; }

    platform::geo::Coordinate coordinate() const override;
    std::string title() const override;
    // A new identity of the point as a location: type poiType, key pointId.
    std::shared_ptr<QOVLocationIdentity> locationIdentity() const;
    // "(7f12ab) id=KATL, dnam=Hartsfield, lat=33.636700, long=-84.428101, severe=YES, temp=-7"
    std::string description() const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::int32_t m_poiType = 0;
    std::string m_pointId;
    std::string m_dnam;
    float m_latitude = 0.0F;
    float m_longitude = 0.0F;
    std::string m_lastUpdate;
    bool m_severe = false;
    std::int32_t m_temperature = 0;
};

}  // namespace qov
