#include "app/core/model/QOVModelFactory.h"

#include <algorithm>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <simdjson.h>

#include "app/core/error/QOVError.h"
#include "app/core/model/JsonValueReader.h"
#include "app/core/model/ModelClasses.h"
#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVMarineForecast.h"
#include "app/core/model/QOVNarrativeForecast.h"
#include "app/core/model/QOVPollenInformation.h"
#include "app/core/model/QOVSevereWeather.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "app/core/model/QOVTide.h"
#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

using Reader = JsonValueReader;
using Dictionary = QOVModelFactory::Dictionary;

constexpr const char* kNoDataErrorKey = "error.no.data.returned";

// Each thread parses with its own parser; the elements of one parse are only used within the call.
simdjson::dom::parser& threadParser() {
    thread_local simdjson::dom::parser parser;
    return parser;
}

void logProcessingError(std::string_view reason) { QOV_LOG_WARN("Error processing JSON: {}", reason); }

// What the root of an aggregate or marine answer holds.
enum class RootOutcome {
    Record,        // one record object
    NoData,        // nothing usable: the user-facing error is due
    ServiceError,  // the service's error record (logged)
    Malformed,     // a shape no record can be taken from (logged)
};

struct Root {
    RootOutcome outcome = RootOutcome::Malformed;
    std::optional<Dictionary> record;
};

Root readRootRecord(std::string_view json) {
    simdjson::dom::element root;
    if (threadParser().parse(json.data(), json.size()).get(root) != simdjson::SUCCESS ||
        (!root.is_array() && !root.is_object())) {
        QOV_LOG_INFO("JSON root array contained no information.");
        return {RootOutcome::NoData, {}};
    }
    simdjson::dom::array list;
    simdjson::dom::object object;
    const bool isList = root.is_array();
    if (isList) {
        list = root.get_array().value_unsafe();
    } else {
        object = root.get_object().value_unsafe();
    }
    const std::size_t entries = isList ? list.size() : object.size();
    if (entries == 0) {
        QOV_LOG_INFO("JSON root array contained empty information.");
        return {RootOutcome::NoData, {}};
    }
    if (entries > 1) {
        if (!isList) {
            const Dictionary dictionary(object);
            if (Reader::stringWithKey("class", &dictionary) == "error") {
                QOV_LOG_INFO("JSON service error type [{}], category [{}], text [{}]",
                             Reader::stringWithKey("type", &dictionary), Reader::stringWithKey("cat", &dictionary),
                             Reader::stringWithKey("text", &dictionary));
                return {RootOutcome::ServiceError, {}};
            }
        }
        logProcessingError(fmt::format("JSON Data Error: Expected one root record, got {} records instead.", entries));
        return {RootOutcome::Malformed, {}};
    }
    simdjson::dom::object record;
    if (!isList) {
        logProcessingError("JSON Data Error: the root is an object, not a list of one record.");
        return {RootOutcome::Malformed, {}};
    }
    if (list.at(0).get_object().get(record) != simdjson::SUCCESS) {
        logProcessingError("JSON Data Error: the root record is not an object.");
        return {RootOutcome::Malformed, {}};
    }
    if (record.size() == 0) {
        QOV_LOG_INFO("JSON root dictionary contained no information.");
        return {RootOutcome::NoData, {}};
    }
    return {RootOutcome::Record, Dictionary(record)};
}

template <typename T, typename Build>
std::vector<std::shared_ptr<T>> buildList(const Dictionary& record, std::string_view key, Build build) {
    std::vector<std::shared_ptr<T>> list;
    for (const auto& element : Reader::objectsInListWithKey(key, &record)) {
        list.push_back(build(element));
    }
    return list;
}

template <typename Result, typename Body>
Result guarded(Body body) {
    try {
        return body();
    } catch (const std::exception& error) {
        logProcessingError(error.what());
    } catch (...) {
        logProcessingError("unknown exception");
    }
    return nullptr;
}

}  // namespace

std::shared_ptr<QOVModelFactory> QOVModelFactory::sharedInstance() {
    static platform::ProcessSlot<QOVModelFactory> slot;
    return slot.instance([] {
        registerModelClasses();
        return std::make_shared<QOVModelFactory>();
    });
}

void QOVModelFactory::fireNoDataError() const {
    auto sender = std::const_pointer_cast<QOVModelFactory>(weak_from_this().lock());
    QOVError::fireErrorWithCategory(1, 1, kNoDataErrorKey, sender);
}

std::shared_ptr<QOVLocation> QOVModelFactory::modelUsingJSON(std::string_view json) const {
    bool fireError = false;
    auto location = guarded<std::shared_ptr<QOVLocation>>([&]() -> std::shared_ptr<QOVLocation> {
        const Root root = readRootRecord(json);
        if (root.outcome != RootOutcome::Record) {
            fireError = root.outcome == RootOutcome::NoData;
            return nullptr;
        }
        const auto locationMember = root.record->find("Location");
        if (!locationMember) {
            QOV_LOG_INFO("JSON root dictionary contained no location.");
            fireError = true;
            return nullptr;
        }
        // A location of another kind (null included) is a processing error, not missing data.
        simdjson::dom::object locationValue;
        if (locationMember->get_object().get(locationValue) != simdjson::SUCCESS) {
            logProcessingError("JSON Data Error: \"Location\" is not an object.");
            return nullptr;
        }
        const Dictionary locationObject(locationValue);
        auto result = locationFromJSONDictionary(locationObject);
        auto observation = Reader::objectWithKey("HiradObservation", &*root.record);
        if (!observation) {
            observation = Reader::objectWithKey("StandardObservation", &*root.record);
        }
        if (observation) {
            result->setCurrentConditions(currentConditionsFromJSONDictionary(*observation));
        }
        result->setPollenData(pollenFromJSONDictionary(*root.record));
        result->setSunriseSunsets(buildList<QOVSunriseSunset>(
            *root.record, "SunRiseSet", [this](const Dictionary& d) { return sunriseSunsetFromJSONDictionary(d); }));
        result->setHourlyForecasts(
            buildList<QOVHourlyForecast>(*root.record, "HourlyForecasts",
                                         [this](const Dictionary& d) { return hourlyForecastFromJSONDictionary(d); }));
        result->setHiRadHourlyForecasts(buildList<QOVHiRadHourlyForecast>(
            *root.record, "HourlyHiradForecasts",
            [this](const Dictionary& d) { return hiRadHourlyForecastFromJSONDictionary(d); }));
        result->setNarrativeForecasts(buildList<QOVNarrativeForecast>(
            *root.record, "NarrativeForecasts",
            [this](const Dictionary& d) { return narrativeForecastFromJSONDictionary(d); }));
        result->setDailyForecasts(
            buildList<QOVDailyForecast>(*root.record, "DailyForecasts",
                                        [this](const Dictionary& d) { return dailyForecastFromJSONDictionary(d); }));
        result->setSevereWeatherAlerts(buildList<QOVSevereWeather>(
            *root.record, "WeatherAlerts", [this](const Dictionary& d) { return severeWeatherFromJSONDictionary(d); }));
        return result;
    });
    if (fireError) {
        fireNoDataError();
    }
    return location;
}

std::shared_ptr<QOVLocation> QOVModelFactory::singleLocationFromJSON(std::string_view json) const {
    return guarded<std::shared_ptr<QOVLocation>>([&]() -> std::shared_ptr<QOVLocation> {
        simdjson::dom::object object;
        if (threadParser().parse(json.data(), json.size()).get_object().get(object) != simdjson::SUCCESS) {
            return nullptr;
        }
        const Dictionary root(object);
        if (Reader::stringWithKey("class", &root) != "location") {
            return nullptr;
        }
        return locationFromJSONDictionary(root);
    });
}

std::shared_ptr<QOVBeachAndBoatForecast> QOVModelFactory::beachAndBoatForecastFromJSON(std::string_view json) const {
    bool fireError = false;
    auto forecast =
        guarded<std::shared_ptr<QOVBeachAndBoatForecast>>([&]() -> std::shared_ptr<QOVBeachAndBoatForecast> {
            const Root root = readRootRecord(json);
            if (root.outcome != RootOutcome::Record) {
                fireError = root.outcome == RootOutcome::NoData;
                return nullptr;
            }
            auto result = std::make_shared<QOVBeachAndBoatForecast>();
            result->setMarineForecastArray(buildList<QOVMarineForecast>(
                *root.record, "MarineForecastStations",
                [this](const Dictionary& d) { return marineForecastFromJSONDictionary(d); }));
            QOVBeachAndBoatForecast::TideList tides;
            const auto tideElements = Reader::objectsInListWithKey("TideData", &*root.record);
            if (!tideElements.empty()) {
                // Only the tides of the first element's station are kept.
                const std::string station = Reader::stringWithKey("key", &tideElements.front());
                for (const auto& element : tideElements) {
                    if (Reader::stringWithKey("key", &element) == station) {
                        tides.push_back(tideDataFromJSONDictionary(element));
                    }
                }
            }
            result->setTideArray(std::move(tides));
            return result;
        });
    if (fireError) {
        fireNoDataError();
    }
    return forecast;
}

std::shared_ptr<QOVLocation> QOVModelFactory::locationFromJSONDictionary(const Dictionary& dictionary) const {
    const Dictionary* d = &dictionary;
    auto location = std::make_shared<QOVLocation>();
    location->setType(Reader::integerWithKey("type", d));
    location->setKey(Reader::stringWithKey("key", d));
    location->setObsId(Reader::stringWithKey("obsID", d));
    location->setParentLocationId(Reader::stringWithKey("parentLoc", d));
    location->setForecastId(Reader::stringWithKey("forecastID", d));
    location->setName(Reader::stringWithKey("name", d));
    location->setCity(Reader::stringWithKey("city", d));
    location->setState(Reader::stringWithKey("state", d));
    location->setPostalCode(Reader::stringWithKey("zip", d));
    location->setCountry(Reader::stringWithKey("country", d));
    location->setCountryCode(Reader::stringWithKey("countryCode", d));
    location->setDma(Reader::stringWithKey("dma", d));
    location->setRegion4(Reader::stringWithKey("rgn4", d));
    location->setRegion9(Reader::stringWithKey("rgn9", d));
    location->setCoordinate(Reader::coordinatesWithLatitudeKey("lat", "lng", d));
    location->setElevation(Reader::distanceWithKey("elv", d));
    location->setTimeZoneOffset(Reader::decimalWithKey("tz", d));
    location->setTimeZone(Reader::timeZoneWithKey("zoneInfo", d));
    location->setLoadMarineData(Reader::booleanWithKey("isMarineSurf", d));
    return location;
}

std::shared_ptr<QOVCurrentConditions> QOVModelFactory::currentConditionsFromJSONDictionary(
    const Dictionary& dictionary) const {
    const Dictionary* d = &dictionary;
    auto conditions = std::make_shared<QOVCurrentConditions>();
    conditions->setDate(Reader::epochDateWithKey("date", d));
    conditions->setObsName(Reader::stringWithKey("obsName", d));
    conditions->setKey(Reader::stringWithKey("key", d));
    conditions->setWeatherIconNumber(Reader::integerWithKey("wxIcon", d));
    conditions->setText(Reader::stringWithKey("text", d));
    conditions->setTemperature(Reader::integerWithKey("temp", d));
    conditions->setFeelsLike(Reader::integerWithKey("feelsLike", d));
    conditions->setPressure(Reader::decimalWithKey("pressure", d));
    conditions->setPressureDescription(Reader::stringWithKey("pressureDescription", d));
    conditions->setWindSpeed(Reader::integerWithKey("wSpeed", d));
    conditions->setWindDirection(Reader::integerWithKey("wDir", d));
    conditions->setWindDirectionDescription(Reader::stringWithKey("wDirText", d));
    conditions->setWindGust(Reader::integerWithKey("wGust", d));
    conditions->setVisibility(Reader::integerWithKey("visibility", d));
    conditions->setHumidity(Reader::integerWithKey("humid", d));
    conditions->setDewPoint(Reader::integerWithKey("dewPoint", d));
    conditions->setTend(Reader::integerWithKey("tend", d));
    conditions->setUvIndex(Reader::integerWithKey("uv", d));
    conditions->setUvText(Reader::stringWithKey("uvText", d));
    return conditions;
}

std::shared_ptr<QOVPollenInformation> QOVModelFactory::pollenFromJSONDictionary(const Dictionary& record) const {
    auto pollen = std::make_shared<QOVPollenInformation>();
    for (const auto& element : Reader::objectsInListWithKey("Pollen", &record)) {
        const auto day = Reader::objectWithKey("day", &element);
        const Dictionary* d = day ? &*day : nullptr;
        const auto type = Reader::optionalStringWithKey("indexType", d);
        if (!type) {
            QOV_LOG_INFO("Pollen reading without an index type skipped");
            continue;
        }
        // A negative reading is no reading: it counts as 0.
        const auto value = static_cast<std::uint32_t>(std::max(0, Reader::integerWithKey("value", d)));
        pollen->addPollenValue(value, Reader::optionalStringWithKey("description", d).value_or(std::string()), *type,
                               Reader::epochDateWithKey("dateTime", d));
    }
    return pollen;
}

std::shared_ptr<QOVSunriseSunset> QOVModelFactory::sunriseSunsetFromJSONDictionary(const Dictionary& dictionary) const {
    auto entry = std::make_shared<QOVSunriseSunset>();
    entry->setSunrise(Reader::epochDateWithKey("rise", &dictionary));
    entry->setSunset(Reader::epochDateWithKey("set", &dictionary));
    return entry;
}

std::shared_ptr<QOVHourlyForecast> QOVModelFactory::hourlyForecastFromJSONDictionary(
    const Dictionary& dictionary) const {
    // Members are read in the order the service writes them (lookups continue where the last one ended).
    const Dictionary* d = &dictionary;
    auto forecast = std::make_shared<QOVHourlyForecast>();
    forecast->setDate(Reader::epochDateWithKey("dateTime", d));
    forecast->setKey(Reader::stringWithKey("key", d));
    forecast->setWeatherIconIndex(Reader::integerWithKey("icon", d));
    forecast->setText(Reader::stringWithKey("wDesc", d));
    forecast->setTemperature(Reader::integerWithKey("temp", d));
    forecast->setFeelsLike(Reader::integerWithKey("feelsLike", d));
    forecast->setDewPoint(Reader::integerWithKey("dew", d));
    forecast->setHumidity(Reader::integerWithKey("humid", d));
    forecast->setChanceOfPrecipitation(Reader::integerWithKey("pop", d));
    forecast->setUvIndex(Reader::integerWithKey("uv", d));
    forecast->setWindSpeed(Reader::integerWithKey("wSpeed", d));
    forecast->setWindDirection(Reader::integerWithKey("wDir", d));
    forecast->setWindDirectionDescription(Reader::stringWithKey("wDirText", d));
    return forecast;
}

std::shared_ptr<QOVHiRadHourlyForecast> QOVModelFactory::hiRadHourlyForecastFromJSONDictionary(
    const Dictionary& dictionary) const {
    const Dictionary* d = &dictionary;
    auto forecast = std::make_shared<QOVHiRadHourlyForecast>();
    forecast->setDate(Reader::epochDateWithKey("validDate", d));
    forecast->setKey(Reader::stringWithKey("key", d));
    forecast->setWeatherIconIndex(Reader::integerWithKey("icon", d));
    forecast->setText(Reader::stringWithKey("text", d));
    forecast->setTemperature(Reader::integerWithKey("temp", d));
    forecast->setFeelsLike(Reader::integerWithKey("feelsLike", d));
    forecast->setDewPoint(Reader::integerWithKey("dew", d));
    forecast->setSeverity(Reader::integerWithKey("severity", d));
    forecast->setVisibility(Reader::integerWithKey("visibility", d));
    forecast->setHumidity(Reader::integerWithKey("humid", d));
    forecast->setChanceOfPrecipitation(Reader::integerWithKey("pop", d));
    forecast->setPrecipitationRate(Reader::decimalWithKey("precipRate", d));
    forecast->setSnowRate(Reader::decimalWithKey("snowRate", d));
    forecast->setUvIndex(Reader::integerWithKey("uv", d));
    forecast->setUvText(Reader::stringWithKey("uvText", d));
    forecast->setWindSpeed(Reader::integerWithKey("wSpeed", d));
    forecast->setWindDirection(Reader::integerWithKey("wDir", d));
    forecast->setWindDirectionDescription(Reader::stringWithKey("wDirText", d));
    return forecast;
}

std::shared_ptr<QOVNarrativeForecast> QOVModelFactory::narrativeForecastFromJSONDictionary(
    const Dictionary& dictionary) const {
    const Dictionary* d = &dictionary;
    auto narrative = std::make_shared<QOVNarrativeForecast>();
    narrative->setKey(Reader::stringWithKey("key", d));
    narrative->setDate(Reader::epochDateWithKey("validDate", d));
    narrative->setDayPart(Reader::stringWithKey("dayPart", d));
    narrative->setText(Reader::stringWithKey("phrase", d));
    narrative->setWeatherIconIndex(Reader::integerWithKey("icon", d));
    narrative->setUvIndex(Reader::integerWithKey("uv", d));
    return narrative;
}

std::shared_ptr<QOVDailyForecast> QOVModelFactory::dailyForecastFromJSONDictionary(const Dictionary& dictionary) const {
    const Dictionary* d = &dictionary;
    auto daily = std::make_shared<QOVDailyForecast>();
    daily->setDate(Reader::epochDateWithKey("validDate", d));
    daily->setKey(Reader::stringWithKey("key", d));
    daily->setHighTemperature(Reader::integerWithKey("maxTemp", d));
    daily->setLowTemperature(Reader::integerWithKey("minTemp", d));
    daily->setPrecipitationType(Reader::optionalStringWithKey("precip_type", d));
    if (const auto day = Reader::objectWithKey("day", d)) {
        daily->setDayForecast(dayPartForecastFromJSONDictionary(*day));
    }
    if (const auto night = Reader::objectWithKey("night", d)) {
        daily->setNightForecast(dayPartForecastFromJSONDictionary(*night));
    }
    return daily;
}

std::shared_ptr<QOVDayPartForecast> QOVModelFactory::dayPartForecastFromJSONDictionary(
    const Dictionary& dictionary) const {
    const Dictionary* d = &dictionary;
    auto part = std::make_shared<QOVDayPartForecast>();
    part->setWeatherIconIndex(Reader::integerWithKey("icon", d));
    part->setText(Reader::stringWithKey("phrase", d));
    part->setShortText(Reader::stringWithKey("bluntPhrase", d));
    part->setHumidity(Reader::integerWithKey("humid", d));
    part->setChanceOfPrecipitation(Reader::integerWithKey("pop", d));
    part->setUvIndex(Reader::integerWithKey("uv", d));
    part->setWindSpeed(Reader::integerWithKey("wSpeed", d));
    part->setWindDirection(Reader::integerWithKey("wDir", d));
    part->setWindDirectionDescription(Reader::stringWithKey("wDirText", d));
    part->setWeatherCode(Reader::stringWithKey("weatherCode", d));
    part->setPrecipitationType(Reader::stringWithKey("precip_type", d));
    part->setSnowAccumulationPhrase(Reader::stringWithKey("snwAccumPhrase", d));
    part->setSnowAccumulationTersePhrase(Reader::stringWithKey("snwAccumPhraseTerse", d));
    part->setExtendedQualifier(Reader::stringWithKey("extQual", d));
    return part;
}

std::shared_ptr<QOVSevereWeather> QOVModelFactory::severeWeatherFromJSONDictionary(const Dictionary& dictionary) const {
    const Dictionary* d = &dictionary;
    auto alert = std::make_shared<QOVSevereWeather>();
    alert->setAreaId(Reader::stringWithKey("areaId", d));
    alert->setAreaName(Reader::stringWithKey("areaName", d));
    alert->setIssueOffice(Reader::stringWithKey("issueOffice", d));
    alert->setEndTime(Reader::epochDateWithKey("endTime", d));
    alert->setEtn(Reader::stringWithKey("etn", d));
    alert->setPhenomenaCode(Reader::stringWithKey("phenomenaCode", d));
    alert->setSeverity(Reader::integerWithKey("severity", d));
    alert->setSignificance(Reader::stringWithKey("significance", d));
    alert->setHeadline(Reader::stringWithKey("headline", d));
    alert->setShortDescription(Reader::stringWithKey("description", d));
    alert->setTextId(Reader::integerWithKey("textId", d));
    alert->setText(Reader::stringWithKey("text", d));
    return alert;
}

std::shared_ptr<QOVMarineForecast> QOVModelFactory::marineForecastFromJSONDictionary(
    const Dictionary& dictionary) const {
    const Dictionary* d = &dictionary;
    auto forecast = std::make_shared<QOVMarineForecast>();
    forecast->setDate(Reader::epochDateWithKey("validDate", d));
    forecast->setName(Reader::stringWithKey("dName", d));
    forecast->setSeaTemp(Reader::integerWithKey("sTemp", d));
    forecast->setSeaDescription(Reader::stringWithKey("sState", d));
    forecast->setWaveDescription(Reader::stringWithKey("sDesc", d));
    forecast->setWind(Reader::stringWithKey("wnd", d));
    forecast->setWindSpeed(Reader::integerWithKey("wSpeed", d));
    forecast->setWindDirection(Reader::integerWithKey("wDir", d));
    return forecast;
}

std::shared_ptr<QOVTide> QOVModelFactory::tideDataFromJSONDictionary(const Dictionary& dictionary) const {
    const Dictionary* d = &dictionary;
    auto tide = std::make_shared<QOVTide>();
    tide->setDate(Reader::epochDateWithKey("tTime", d));
    const std::string tideType = Reader::stringWithKey("tType", d);
    tide->setLow(tideType == "L" || tideType == "l");
    tide->setHeight(Reader::decimalWithKey("tHgt", d));
    return tide;
}

}  // namespace qov
