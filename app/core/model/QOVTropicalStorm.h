#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/base/Date.h"
#include "platform/base/Object.h"

namespace qov {

// One active tropical storm as the data service reports it. Numbers the service may leave out (position,
// pressure) are absent until set; the model factory sets them to 0 when the answer lacks them.
class QOVTropicalStorm : public platform::Object {
public:
    // createdDate is now.
    QOVTropicalStorm();

    const std::string& stormId() const { return m_stormId; }
    // Stores a different id and marks the storm as Atlantic exactly when the id contains "AL"; an equal id
    // changes nothing.
    void setStormId(const std::string& stormId);
    bool isAtlanticStorm() const { return m_atlanticStorm; }
    const std::string& stormName() const { return m_stormName; }
    void setStormName(std::string stormName) { m_stormName = std::move(stormName); }
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }
    const std::optional<platform::Date>& reportTime() const { return m_reportTime; }
    void setReportTime(std::optional<platform::Date> reportTime) { m_reportTime = reportTime; }
    const std::string& nextUpdate() const { return m_nextUpdate; }
    void setNextUpdate(std::string nextUpdate) { m_nextUpdate = std::move(nextUpdate); }
    const std::string& category() const { return m_category; }
    void setCategory(std::string category) { m_category = std::move(category); }
    const std::optional<double>& latitude() const { return m_latitude; }
    void setLatitude(std::optional<double> latitude) { m_latitude = latitude; }
    const std::optional<double>& longitude() const { return m_longitude; }
    void setLongitude(std::optional<double> longitude) { m_longitude = longitude; }
    const std::optional<double>& pressure() const { return m_pressure; }
    void setPressure(std::optional<double> pressure) { m_pressure = pressure; }
    std::int32_t windSpeed() const { return m_windSpeed; }
    void setWindSpeed(std::int32_t windSpeed) { m_windSpeed = windSpeed; }
    std::int32_t windGusts() const { return m_windGusts; }
    void setWindGusts(std::int32_t windGusts) { m_windGusts = windGusts; }
    std::int32_t movingSpeed() const { return m_movingSpeed; }
    void setMovingSpeed(std::int32_t movingSpeed) { m_movingSpeed = movingSpeed; }
    // The heading in degrees, as text.
    const std::string& movingHeading() const { return m_movingHeading; }
    void setMovingHeading(std::string movingHeading) { m_movingHeading = std::move(movingHeading); }
    // The heading as a compass direction ("NNW").
    const std::string& movingDirectionText() const { return m_movingDirectionText; }
    void setMovingDirectionText(std::string text) { m_movingDirectionText = std::move(text); }
    const std::string& maxType() const { return m_maxType; }
    void setMaxType(std::string maxType) { m_maxType = std::move(maxType); }
    const std::string& nearDistance() const { return m_nearDistance; }
    void setNearDistance(std::string nearDistance) { m_nearDistance = std::move(nearDistance); }
    platform::Date createdDate() const { return m_createdDate; }

private:
    std::string m_stormId;
    bool m_atlanticStorm = false;
    std::string m_stormName;
    bool m_active = false;
    std::optional<platform::Date> m_reportTime;
    std::string m_nextUpdate;
    std::string m_category;
    std::optional<double> m_latitude;
    std::optional<double> m_longitude;
    std::optional<double> m_pressure;
    std::int32_t m_windSpeed = 0;
    std::int32_t m_windGusts = 0;
    std::int32_t m_movingSpeed = 0;
    std::string m_movingHeading;
    std::string m_movingDirectionText;
    std::string m_maxType;
    std::string m_nearDistance;
    platform::Date m_createdDate;
};

}  // namespace qov
