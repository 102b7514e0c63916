#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/core/model/LocationCoordinate.h"
#include "app/core/model/QOVLocationIdentity.h"

namespace qov {

class QOVBeachAndBoatForecast;
class QOVCurrentConditions;
class QOVDailyForecast;
class QOVHiRadHourlyForecast;
class QOVHourlyForecast;
class QOVNarrativeForecast;
class QOVPollenInformation;
class QOVSevereWeather;
class QOVSunriseSunset;

// One location with all the weather the data service returned for it. Built by the model factory, archived
// by the application cache, replaced as a whole by the next fetch. Its age (from creationDate, which survives
// archiving) makes it stale at 300 s and invalid at 3600 s.
//
// A new record has empty lists; a record read from an archive that lacks a list has no list (nullopt).
// Pollen data is never archived. The time zone is kept by name; calendar work with a missing or unknown
// name uses UTC.
class QOVLocation : public QOVLocationIdentity {
public:
    using NarrativeList = std::vector<std::shared_ptr<QOVNarrativeForecast>>;
    using SunriseSunsetList = std::vector<std::shared_ptr<QOVSunriseSunset>>;
    using HourlyList = std::vector<std::shared_ptr<QOVHourlyForecast>>;
    using HiRadHourlyList = std::vector<std::shared_ptr<QOVHiRadHourlyForecast>>;
    using DailyList = std::vector<std::shared_ptr<QOVDailyForecast>>;
    using SevereWeatherList = std::vector<std::shared_ptr<QOVSevereWeather>>;

    // creationDate is now; the six lists are empty; no current conditions, beach forecast or pollen data.
    QOVLocation();

    const std::optional<platform::Date>& creationDate() const { return m_creationDate; }
    // Forgets the creation date: the record is then of unknown age, stale and invalid at once, so whoever reads
    // it (from memory or from its archive) asks for it again.
    void forgetCreationDate() { m_creationDate.reset(); }
    const std::string& obsId() const { return m_obsId; }
    void setObsId(std::string value) { m_obsId = std::move(value); }
    const std::string& parentLocationId() const { return m_parentLocationId; }
    void setParentLocationId(std::string value) { m_parentLocationId = std::move(value); }
    const std::string& forecastId() const { return m_forecastId; }
    void setForecastId(std::string value) { m_forecastId = std::move(value); }
    const std::optional<std::string>& nickName() const { return m_nickName; }
    void setNickName(std::optional<std::string> value) { m_nickName = std::move(value); }
    const std::string& name() const { return m_name; }
    void setName(std::string value) { m_name = std::move(value); }
    // The stored city, or the name when no city is stored.
    const std::string& city() const { return m_city.empty() ? m_name : m_city; }
    void setCity(std::string value) { m_city = std::move(value); }
    const std::string& state() const { return m_state; }
    void setState(std::string value) { m_state = std::move(value); }
    const std::string& postalCode() const { return m_postalCode; }
    void setPostalCode(std::string value) { m_postalCode = std::move(value); }
    const std::string& country() const { return m_country; }
    void setCountry(std::string value) { m_country = std::move(value); }
    const std::string& countryCode() const { return m_countryCode; }
    void setCountryCode(std::string value) { m_countryCode = std::move(value); }
    const std::string& dma() const { return m_dma; }
    void setDma(std::string value) { m_dma = std::move(value); }
    const std::string& region4() const { return m_region4; }
    void setRegion4(std::string value) { m_region4 = std::move(value); }
    const std::string& region9() const { return m_region9; }
    void setRegion9(std::string value) { m_region9 = std::move(value); }
    // The service marks the place as coastal: marine data is fetched for it.
    bool loadMarineData() const { return m_loadMarineData; }
    void setLoadMarineData(bool value) { m_loadMarineData = value; }
    const std::optional<std::string>& twitterPlaceId() const { return m_twitterPlaceId; }
    void setTwitterPlaceId(std::optional<std::string> value) { m_twitterPlaceId = std::move(value); }
    const LocationCoordinate& coordinate() const { return m_coordinate; }
    void setCoordinate(LocationCoordinate value) { m_coordinate = value; }
    double elevation() const { return m_elevation; }
    void setElevation(double value) { m_elevation = value; }
    // The offset from UTC as the service gives it.
    const std::optional<double>& timeZoneOffset() const { return m_timeZoneOffset; }
    void setTimeZoneOffset(std::optional<double> value) { m_timeZoneOffset = value; }
    // The time-zone name ("America/New_York"), absent when the service gave none the database knows.
    const std::optional<std::string>& timeZone() const { return m_timeZone; }
    void setTimeZone(std::optional<std::string> value) { m_timeZone = std::move(value); }

    const std::shared_ptr<QOVCurrentConditions>& currentConditions() const { return m_currentConditions; }
    void setCurrentConditions(std::shared_ptr<QOVCurrentConditions> value);
    const std::optional<NarrativeList>& narrativeForecasts() const { return m_narrativeForecasts; }
    void setNarrativeForecasts(std::optional<NarrativeList> value);
    const std::optional<SunriseSunsetList>& sunriseSunsets() const { return m_sunriseSunsets; }
    void setSunriseSunsets(std::optional<SunriseSunsetList> value);
    const std::optional<HourlyList>& hourlyForecasts() const { return m_hourlyForecasts; }
    void setHourlyForecasts(std::optional<HourlyList> value);
    const std::optional<HiRadHourlyList>& hiRadHourlyForecasts() const { return m_hiRadHourlyForecasts; }
    void setHiRadHourlyForecasts(std::optional<HiRadHourlyList> value);
    const std::optional<DailyList>& dailyForecasts() const { return m_dailyForecasts; }
    void setDailyForecasts(std::optional<DailyList> value);
    const std::shared_ptr<QOVBeachAndBoatForecast>& beachAndBoatForecast() const { return m_beachAndBoatForecast; }
    void setBeachAndBoatForecast(std::shared_ptr<QOVBeachAndBoatForecast> value);
    const std::shared_ptr<QOVPollenInformation>& pollenData() const { return m_pollenData; }
    void setPollenData(std::shared_ptr<QOVPollenInformation> value);
    const std::optional<SevereWeatherList>& severeWeatherAlerts() const { return m_severeWeatherAlerts; }
    void setSevereWeatherAlerts(std::optional<SevereWeatherList> value);

    // A new identity with this record's key and type (no nickname).
    std::shared_ptr<QOVLocationIdentity> identity() override;

    // Exact, case-sensitive country-code tests.
    bool isUnitedStates() const { return m_countryCode == "US"; }
    bool isUnitedKingdom() const { return m_countryCode == "GB" || m_countryCode == "UK"; }
    bool isIndia() const { return m_countryCode == "IN"; }
    bool isFrance() const { return m_countryCode == "FR"; }
    bool isChina() const { return m_countryCode == "CN"; }
    bool isCanada() const { return m_countryCode == "CA"; }
    // Video is offered for en_US and es_US everywhere, for en_GB and en_IN in Canada, the UK and India, and
    // for fr_FR in France (by the device's simple locale identifier).
    bool isVideoSupported() const;
    bool hasBeachAndBoatForecast() const { return m_beachAndBoatForecast != nullptr; }
    bool hasHiRadData() const { return m_hiRadHourlyForecasts && !m_hiRadHourlyForecasts->empty(); }
    // The hour now in the location's time zone is after 11 (afternoon) or after 13 (evening).
    bool isAfternoon() const;
    bool isEvening() const;
    // The first sunrise/sunset entry whose sunrise falls on the date's month and day in the location's time
    // zone (the year is not compared), or nullptr.
    std::shared_ptr<QOVSunriseSunset> sunriseSunsetForDate(platform::Date date) const;
    std::shared_ptr<QOVSunriseSunset> sunriseSunsetForToday() const;

    // The nickname when set; in the US "city, state" ("city, state (postal code)" for type 4); elsewhere
    // "city, country".
    std::string displayName() const;
    double age() const;
    bool isStale() const;
    bool isInvalid() const;
    float confidence() const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);
    // The identity and creation date of the location archived in file, read without its weather (a record with
    // empty lists), or nullptr when the file holds no readable location.
    static std::shared_ptr<QOVLocation> unarchiveSummaryFromFile(const std::filesystem::path& file);

private:
    int localHour() const;

    std::optional<platform::Date> m_creationDate;
    std::string m_obsId;
    std::string m_parentLocationId;
    std::string m_forecastId;
    std::optional<std::string> m_nickName;
    std::string m_name;
    std::string m_city;
    std::string m_state;
    std::string m_postalCode;
    std::string m_country;
    std::string m_countryCode;
    std::string m_dma;
    std::string m_region4;
    std::string m_region9;
    bool m_loadMarineData = false;
    std::optional<std::string> m_twitterPlaceId;
    LocationCoordinate m_coordinate;
    double m_elevation = 0.0;
    std::optional<double> m_timeZoneOffset;
    std::optional<std::string> m_timeZone;
    std::shared_ptr<QOVCurrentConditions> m_currentConditions;
    std::optional<NarrativeList> m_narrativeForecasts;
    std::optional<SunriseSunsetList> m_sunriseSunsets;
    std::optional<HourlyList> m_hourlyForecasts;
    std::optional<HiRadHourlyList> m_hiRadHourlyForecasts;
    std::optional<DailyList> m_dailyForecasts;
    std::shared_ptr<QOVBeachAndBoatForecast> m_beachAndBoatForecast;
    std::shared_ptr<QOVPollenInformation> m_pollenData;
    std::optional<SevereWeatherList> m_severeWeatherAlerts;
};

}  // namespace qov
