#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/Object.h"

namespace qov {

class JsonDictionary;
class QOVBeachAndBoatForecast;
class QOVConfigurableApplicationTab;
class QOVCurrentConditions;
class QOVDailyForecast;
class QOVDayPartForecast;
class QOVHiRadHourlyForecast;
class QOVHourlyForecast;
class QOVLocation;
class QOVMarineForecast;
class QOVNarrativeForecast;
class QOVPollenInformation;
class QOVSevereWeather;
class QOVSunriseSunset;
class QOVTide;
class QOVMobileAppConfig;
class QOVPointOfInterest;
class QOVTropicalStorm;
class QOVTweet;
class QOVTypeAheadLocation;

// Turns the weather data service's JSON answers into model objects. Stateless: every call parses its own
// text. Every entry point answers nullptr on any bad input and never throws; values are read through
// JsonValueReader, so one bad value or list element never loses the rest of the answer. When an aggregate or
// marine answer holds no usable data the user-facing error of category 1 ("error.no.data.returned") is fired
// through QOVError with the factory as sender; the service's own error record is only logged.
class QOVModelFactory : public platform::Object, public std::enable_shared_from_this<QOVModelFactory> {
public:
    using Dictionary = JsonDictionary;

    // The process's factory, made on first use (which also registers the model classes with the archiver).
    static std::shared_ptr<QOVModelFactory> sharedInstance();

    // The location-aggregate answer (a list of one record holding "Location" and the weather sections).
    std::shared_ptr<QOVLocation> modelUsingJSON(std::string_view json) const;
    // A location-only answer (an object whose "class" is "location"); no error is fired or logged for others.
    std::shared_ptr<QOVLocation> singleLocationFromJSON(std::string_view json) const;
    // The marine answer (a list of one record with "MarineForecastStations" and "TideData").
    std::shared_ptr<QOVBeachAndBoatForecast> beachAndBoatForecastFromJSON(std::string_view json) const;

    // Builders of one object each; they always answer an object.
    std::shared_ptr<QOVLocation> locationFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVCurrentConditions> currentConditionsFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVPollenInformation> pollenFromJSONDictionary(const Dictionary& record) const;
    std::shared_ptr<QOVSunriseSunset> sunriseSunsetFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVHourlyForecast> hourlyForecastFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVHiRadHourlyForecast> hiRadHourlyForecastFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVNarrativeForecast> narrativeForecastFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVDailyForecast> dailyForecastFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVDayPartForecast> dayPartForecastFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVSevereWeather> severeWeatherFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVMarineForecast> marineForecastFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVTide> tideDataFromJSONDictionary(const Dictionary& dictionary) const;

    // The configuration, search, point-of-interest, storm and tweet answers (QOVModelFactoryConfiguration.cpp,
    // QOVModelFactorySearch.cpp, QOVModelFactoryPointsOfInterest.cpp, QOVModelFactoryStormsAndTweets.cpp).
    // A configuration object, filed under its "appid" or, without a usable one, under the requested id;
    // nullptr when the text is not a JSON object or is the service's error record.
    std::shared_ptr<QOVMobileAppConfig> configurationUsingJSON(std::string_view json, const std::string& named,
                                                               double timeToLive) const;
    // The "results" of a type-ahead answer; empty when the answer reports errors or is unusable.
    std::vector<std::shared_ptr<QOVTypeAheadLocation>> typeAheadLocationsUsingJSON(std::string_view json) const;
    // The points of a list answer (elements that are not objects skipped); empty when unusable.
    std::vector<std::shared_ptr<QOVPointOfInterest>> pointOfInterestUsingJSON(std::string_view json) const;
    // The storms of a list answer (possibly none); nullopt when the answer is not a list.
    std::optional<std::vector<std::shared_ptr<QOVTropicalStorm>>> tropicalStormDataUsingJSON(
        std::string_view json) const;
    // The tweets of a list answer (possibly none); otherwise nullopt, after firing the no-data error.
    std::optional<std::vector<std::shared_ptr<QOVTweet>>> tweetsUsingJSON(std::string_view json) const;
    std::shared_ptr<QOVTypeAheadLocation> typeAheadLocationFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVPointOfInterest> POIFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVTropicalStorm> tropicalStormFromJSONDictionary(const Dictionary& dictionary) const;
    std::shared_ptr<QOVTweet> tweetFromJSONDictionary(const Dictionary& dictionary) const;
    // A configurable tab from "title", "targetURLFormat" and "baseIconURLString" (QOVModelFactoryApplicationTab.cpp);
    // the icon is not filled.
    std::shared_ptr<QOVConfigurableApplicationTab> applicationTabFromJSONDictionary(const Dictionary& dictionary) const;

private:
    void fireNoDataError() const;
};

}  // namespace qov
