#include "app/core/model/QOVLocation.h"

#include <fmt/format.h>

#include "app/core/categories/NSLocaleQOV.h"
#include "app/core/model/ArchiveCoding.h"
#include "app/core/model/DataFreshness.h"
#include "app/core/model/LocalCalendar.h"
#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/model/QOVNarrativeForecast.h"
#include "app/core/model/QOVPollenInformation.h"
#include "app/core/model/QOVSevereWeather.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "platform/base/Clock.h"

namespace qov {

QOVLocation::QOVLocation()
    : m_creationDate(platform::Clock::shared()->now()),
      m_narrativeForecasts(NarrativeList{}),
      m_sunriseSunsets(SunriseSunsetList{}),
      m_hourlyForecasts(HourlyList{}),
      m_hiRadHourlyForecasts(HiRadHourlyList{}),
      m_dailyForecasts(DailyList{}),
      m_severeWeatherAlerts(SevereWeatherList{}) {}

void QOVLocation::setCurrentConditions(std::shared_ptr<QOVCurrentConditions> value) {
    m_currentConditions = std::move(value);
}

void QOVLocation::setNarrativeForecasts(std::optional<NarrativeList> value) { m_narrativeForecasts = std::move(value); }

void QOVLocation::setSunriseSunsets(std::optional<SunriseSunsetList> value) { m_sunriseSunsets = std::move(value); }

void QOVLocation::setHourlyForecasts(std::optional<HourlyList> value) { m_hourlyForecasts = std::move(value); }

void QOVLocation::setHiRadHourlyForecasts(std::optional<HiRadHourlyList> value) {
    m_hiRadHourlyForecasts = std::move(value);
}

void QOVLocation::setDailyForecasts(std::optional<DailyList> value) { m_dailyForecasts = std::move(value); }

void QOVLocation::setBeachAndBoatForecast(std::shared_ptr<QOVBeachAndBoatForecast> value) {
    m_beachAndBoatForecast = std::move(value);
}

void QOVLocation::setPollenData(std::shared_ptr<QOVPollenInformation> value) { m_pollenData = std::move(value); }

void QOVLocation::setSevereWeatherAlerts(std::optional<SevereWeatherList> value) {
    m_severeWeatherAlerts = std::move(value);
}

std::shared_ptr<QOVLocationIdentity> QOVLocation::identity() {
    return std::make_shared<QOVLocationIdentity>(type(), key());
}

bool QOVLocation::isVideoSupported() const {
    const std::string locale = NSLocaleQOV::simpleLocaleIdentifier();
    if (locale == "en_US" || locale == "es_US") {
        return true;
    }
    if (locale == "en_GB" || locale == "en_IN") {
        return isCanada() || isUnitedKingdom() || isIndia();
    }
    if (locale == "fr_FR") {
        return isFrance();
    }
    return false;
}

int QOVLocation::localHour() const {
    return LocalCalendar::fieldsOf(platform::Clock::shared()->now(), m_timeZone).hour;
}

bool QOVLocation::isAfternoon() const { return localHour() > 11; }

bool QOVLocation::isEvening() const { return localHour() > 13; }

std::shared_ptr<QOVSunriseSunset> QOVLocation::sunriseSunsetForDate(platform::Date date) const {
    if (!m_sunriseSunsets) {
        return nullptr;
    }
    const auto wanted = LocalCalendar::fieldsOf(date, m_timeZone);
    for (const auto& entry : *m_sunriseSunsets) {
        if (!entry || !entry->sunrise()) {
            continue;
        }
        const auto fields = LocalCalendar::fieldsOf(*entry->sunrise(), m_timeZone);
        if (fields.month == wanted.month && fields.day == wanted.day) {
            return entry;
        }
    }
    return nullptr;
}

std::shared_ptr<QOVSunriseSunset> QOVLocation::sunriseSunsetForToday() const {
    return sunriseSunsetForDate(platform::Clock::shared()->now());
}

std::string QOVLocation::displayName() const {
    if (m_nickName) {
        return *m_nickName;
    }
    if (isUnitedStates()) {
        if (type() == 4) {
            return fmt::format("{}, {} ({})", city(), m_state, m_postalCode);
        }
        return fmt::format("{}, {}", city(), m_state);
    }
    return fmt::format("{}, {}", city(), m_country);
}

double QOVLocation::age() const { return DataFreshness::age(m_creationDate); }

bool QOVLocation::isStale() const { return DataFreshness::isStale(age()); }

bool QOVLocation::isInvalid() const { return DataFreshness::isInvalid(age()); }

float QOVLocation::confidence() const { return DataFreshness::confidence(age()); }

void QOVLocation::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVLocationIdentity::encodeWithCoder(coder);
    coder.encodeString(m_name, "name");
    coder.encodeDate(m_creationDate, "creationDate");
    coder.encodeString(m_obsId, "obsId");
    coder.encodeString(m_parentLocationId, "parentLocationId");
    coder.encodeString(m_forecastId, "forecastId");
    archive::encodeOptionalString(coder, m_nickName, "nickName");
    coder.encodeString(city(), "city");
    coder.encodeString(m_state, "state");
    coder.encodeString(m_postalCode, "postalCode");
    coder.encodeString(m_country, "country");
    coder.encodeString(m_countryCode, "countryCode");
    coder.encodeString(m_dma, "dma");
    coder.encodeString(m_region4, "region4");
    coder.encodeString(m_region9, "region9");
    coder.encodeBool(m_loadMarineData, "hasMarineData");
    archive::encodeOptionalString(coder, m_twitterPlaceId, "twitterPlaceId");
    coder.encodeDouble(m_coordinate.latitude, "coordinate_latitude");
    coder.encodeDouble(m_coordinate.longitude, "coordinate_longitude");
    coder.encodeDouble(m_elevation, "elevation");
    archive::encodeOptionalDouble(coder, m_timeZoneOffset, "timeZoneOffset");
    archive::encodeOptionalString(coder, m_timeZone, "timeZone");
    coder.encodeObject(m_currentConditions, "currentConditions");
    archive::encodeList(coder, m_narrativeForecasts, "narrativeForecasts");
    archive::encodeList(coder, m_hiRadHourlyForecasts, "hiRadHourlyForecasts");
    archive::encodeList(coder, m_sunriseSunsets, "sunriseSunsets");
    archive::encodeList(coder, m_hourlyForecasts, "hourlyForecasts");
    archive::encodeList(coder, m_dailyForecasts, "dailyForecasts");
    coder.encodeObject(m_beachAndBoatForecast, "beachBoatForecast");
    archive::encodeList(coder, m_severeWeatherAlerts, "severeWxAlerts");
}

std::shared_ptr<QOVLocation> QOVLocation::unarchiveSummaryFromFile(const std::filesystem::path& file) {
    return std::dynamic_pointer_cast<QOVLocation>(platform::KeyedUnarchiver::unarchiveObjectWithFile(
        file, "QOVLocation", [](const platform::KeyedUnarchiver& coder) {
            auto location = std::make_shared<QOVLocation>();
            location->QOVLocationIdentity::decodeWithCoder(coder);
            location->m_creationDate = coder.decodeDate("creationDate");
            return std::shared_ptr<platform::Object>(std::move(location));
        }));
}

void QOVLocation::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVLocationIdentity::decodeWithCoder(coder);
    m_name = coder.decodeString("name");
    m_creationDate = coder.decodeDate("creationDate");
    m_obsId = coder.decodeString("obsId");
    m_parentLocationId = coder.decodeString("parentLocationId");
    m_forecastId = coder.decodeString("forecastId");
    m_nickName = archive::decodeOptionalString(coder, "nickName");
    m_city = coder.decodeString("city");
    m_state = coder.decodeString("state");
    m_postalCode = coder.decodeString("postalCode");
    m_country = coder.decodeString("country");
    m_countryCode = coder.decodeString("countryCode");
    m_dma = coder.decodeString("dma");
    m_region4 = coder.decodeString("region4");
    m_region9 = coder.decodeString("region9");
    m_loadMarineData = coder.decodeBool("hasMarineData");
    m_twitterPlaceId = archive::decodeOptionalString(coder, "twitterPlaceId");
    m_coordinate = {coder.decodeDouble("coordinate_latitude"), coder.decodeDouble("coordinate_longitude")};
    m_elevation = coder.decodeDouble("elevation");
    m_timeZoneOffset = archive::decodeOptionalDouble(coder, "timeZoneOffset");
    m_timeZone = archive::decodeOptionalString(coder, "timeZone");
    m_currentConditions = coder.decodeObjectOfClass<QOVCurrentConditions>("currentConditions");
    m_narrativeForecasts = archive::decodeList<QOVNarrativeForecast>(coder, "narrativeForecasts");
    m_hiRadHourlyForecasts = archive::decodeList<QOVHiRadHourlyForecast>(coder, "hiRadHourlyForecasts");
    m_sunriseSunsets = archive::decodeList<QOVSunriseSunset>(coder, "sunriseSunsets");
    m_hourlyForecasts = archive::decodeList<QOVHourlyForecast>(coder, "hourlyForecasts");
    m_dailyForecasts = archive::decodeList<QOVDailyForecast>(coder, "dailyForecasts");
    m_beachAndBoatForecast = coder.decodeObjectOfClass<QOVBeachAndBoatForecast>("beachBoatForecast");
    m_pollenData = nullptr;
    m_severeWeatherAlerts = archive::decodeList<QOVSevereWeather>(coder, "severeWxAlerts");
}

}  // namespace qov
