#include "sim/WeatherModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include "platform/gfx/Image.h"
#include "sim/NoiseField.h"
#include "sim/SurfaceWeather.h"
#include "sim/TileAddress.h"
#include "sim/TileImagery.h"
#include "sim/TileSchedule.h"
#include "sim/WeatherAnswers.h"

namespace qovsim {
namespace {

constexpr double kJanuaryMorning = 1'800'000'000.0;  // 2027-01-15 08:00 UTC, the fixtures' time
constexpr double kJulyAfternoon = 1'784'124'000.0;   // 2026-07-15 14:00 UTC
constexpr double kQuarterHour = 900.0;

const std::set<std::string> kDrySkies{"Sunny",         "Clear",         "Mostly Sunny", "Mostly Clear",
                                      "Partly Cloudy", "Mostly Cloudy", "Cloudy",       "Fog"};
const std::set<std::string> kHeavierRainSkies{"Showers",      "Rain", "Scattered Thunderstorms",
                                              "Snow Showers", "Snow", "Rain / Snow"};

const Gazetteer& shipped() {
    static const Gazetteer gazetteer = Gazetteer::load();
    return gazetteer;
}

double rainOver(const Place& place, double time) {
    return NoiseField::rain(TileAddress::uOf(place.longitude), TileAddress::vOf(place.latitude), time);
}

// A text agrees with the rain over the place: dry skies where none falls, any wet sky in the lightest rain and
// showers, rain or thunderstorms (snow or a mix where cold) in heavier rain.
void expectSkyOfRain(const std::string& text, double rain, const std::string& where) {
    if (rain < NoiseField::kLightRain) {
        EXPECT_TRUE(kDrySkies.contains(text)) << where << ": " << text << " under rain " << rain;
    } else if (rain < 0.59) {
        EXPECT_TRUE(text == "Light Rain" || kHeavierRainSkies.contains(text))
            << where << ": " << text << " under rain " << rain;
    } else {
        EXPECT_TRUE(kHeavierRainSkies.contains(text)) << where << ": " << text << " under rain " << rain;
    }
}

TEST(WeatherModelTest, TheFixturesPlacesSayWhatTheRadarShowsOverThem) {
    const struct {
        const char* key;
        bool wet;          // rain over the place all through the radar loop; else none
        const char* text;  // the observation at 08:00 UTC (at 07:51 where only the standard station reports)
    } cases[] = {
        {"USGA0028", false, "Clear"}, {"USFL0316", false, "Mostly Cloudy"},          {"UKXX0085", true, "Rain / Snow"},
        {"INXX0096", true, "Rain"},   {"SFXX0010", true, "Scattered Thunderstorms"},
    };
    const auto loop = TileSchedule::layersAt(kJanuaryMorning).front().series;
    for (const auto& c : cases) {
        const Place* place = shipped().findByKey(c.key, Place::kCityType);
        ASSERT_NE(place, nullptr) << c.key;
        const WeatherAnswers answers(*place, shipped(), platform::Date{kJanuaryMorning});
        const auto observation = place->countryCode == "US" ? answers.observation(true) : answers.observation(false);
        EXPECT_EQ(observation["text"], c.text) << c.key;
        for (const auto& series : loop) {
            EXPECT_EQ(rainOver(*place, series.time) >= NoiseField::kLightRain, c.wet) << c.key << " at " << series.date;
        }
    }
}

TEST(WeatherModelTest, LondonsDayOfRainShowsOnTheTwentyFourHourMap) {
    // The newest 24-hour series at 08:00 is 07:00's; London's forecast had rain and snow at 06:00. The level-6
    // tile 031313 holds London at pixel (250, 72).
    const auto layers = TileSchedule::layersAt(kJanuaryMorning);
    const auto rain =
        std::find_if(layers.begin(), layers.end(), [](const auto& layer) { return layer.type == "rain"; });
    ASSERT_NE(rain, layers.end());
    const double newest = rain->series.front().time;
    EXPECT_EQ(rain->series.front().date, "202701150700");
    const Place* london = shipped().findByKey("UKXX0085", Place::kCityType);
    ASSERT_NE(london, nullptr);
    const WeatherModel model(*london);
    EXPECT_STREQ(model.sample(newest - 3600.0).text(), "Rain / Snow");
    const std::string png =
        TileImagery::png(TileSchedule::Imagery::Rainfall, *TileAddress::fromQuadKey("031313"), newest, shipped());
    const auto picture = platform::gfx::Image::fromPNGData(platform::Data(png.begin(), png.end()));
    ASSERT_TRUE(picture);
    EXPECT_GT(picture->pixel(250, 72).alpha, 0.5);
}

// For every city, at the instants the radar's loop and forecast frames show, the place's conditions then (its
// observation in the loop, the forecast's quarter hours in the frames) agree with the rain over it, and so do all
// of the forecast's hours; each 24-hour rain and snow frame holds at the place the water of the forecast's quarter
// hours over the day before it, and shows some wherever one of the forecast's hours was wet.
TEST(WeatherModelTest, EveryCitysConditionsAgreeWithItsRadarAndItsDayOfRain) {
    for (const double now : {kJanuaryMorning, kJulyAfternoon}) {
        // The instants of the 24-hour totals' pictures and of all others.
        std::set<double> totalTimes;
        std::set<double> pictureTimes;
        for (const auto& layer : TileSchedule::layersAt(now)) {
            const bool totals =
                layer.imagery == TileSchedule::Imagery::Rainfall || layer.imagery == TileSchedule::Imagery::Snowfall;
            auto& times = totals ? totalTimes : pictureTimes;
            for (const auto& series : layer.series) {
                times.insert(series.time);
                for (const auto& frame : series.frames) {
                    times.insert(frame.time);
                }
            }
        }
        std::map<double, SurfaceWeather> surfaces;
        for (const double time : totalTimes) {
            surfaces.emplace(time, SurfaceWeather(shipped(), time));
        }
        for (const Place& place : shipped().places()) {
            if (place.type != Place::kCityType) {
                continue;
            }
            SCOPED_TRACE(place.key);
            const WeatherAnswers answers(place, shipped(), platform::Date{now});
            std::map<double, std::string> forecastTexts;
            for (const auto& quarter : answers.hiRadHourlyForecasts()) {
                const double at = quarter["validDate"].get<double>();
                forecastTexts[at] = quarter["text"].get<std::string>();
                EXPECT_EQ(quarter["precipRate"].get<double>(), NoiseField::rainRate(rainOver(place, at)));
            }
            std::set<double> wetHours;
            for (const auto& hour : answers.hourlyForecasts()) {
                const double at = hour["dateTime"].get<double>();
                expectSkyOfRain(hour["wDesc"].get<std::string>(), rainOver(place, at), "hour " + std::to_string(at));
                if (!kDrySkies.contains(hour["wDesc"].get<std::string>())) {
                    wetHours.insert(at);
                }
            }
            const WeatherModel model(place);
            for (const double time : pictureTimes) {
                const std::string text = time <= now ? model.sample(time).text() : forecastTexts.at(time);
                expectSkyOfRain(text, rainOver(place, time), "frame " + std::to_string(time));
            }
            std::map<double, double> rates;
            const double u = TileAddress::uOf(place.longitude);
            const double v = TileAddress::vOf(place.latitude);
            for (const auto& [time, surface] : surfaces) {
                double forecast = 0.0;
                for (int quarter = 96; quarter >= 1; --quarter) {
                    const double at = time - quarter * kQuarterHour;
                    auto rate = rates.find(at);
                    if (rate == rates.end()) {
                        rate = rates.emplace(at, model.sample(at).precipitationRate).first;
                    }
                    forecast += rate->second * kQuarterHour / 3600.0;
                }
                const double water = surface.rainfall(u, v) + surface.snowfall(u, v) / 10.0;
                EXPECT_NEAR(water, forecast, 1e-9) << "day to " << time;
                if (wetHours.lower_bound(time - 86400.0) != wetHours.lower_bound(time)) {
                    EXPECT_GE(water, 0.01) << "day to " << time;
                }
            }
        }
    }
}

TEST(WeatherModelTest, DayPartsWithinTwoDaysFollowTheirHoursToComeAndLaterOnesKeepTheClimatesSky) {
    const double reach = kJanuaryMorning + 48 * 3600.0;
    for (const Place& place : shipped().places()) {
        if (place.type != Place::kCityType) {
            continue;
        }
        SCOPED_TRACE(place.key);
        const WeatherModel model(place, kJanuaryMorning);
        const double topOfTheHour =
            model.time().localMidnight(kJanuaryMorning) + std::floor(model.time().localHours(kJanuaryMorning)) * 3600.0;
        // A forecast made a year before takes the climate's skies for all these days.
        const WeatherModel climate(place, kJanuaryMorning - 365 * 86400.0);
        const long long today = model.time().dayNumber(kJanuaryMorning);
        for (long long day = today - 1; day < today + 10; ++day) {
            for (const bool night : {false, true}) {
                const double start = model.time().instantAt(day, night ? 18.0 : 6.0);
                const DayPartWeather part = model.dayPart(day, night);
                if (start >= reach) {
                    EXPECT_STREQ(part.text(), climate.dayPart(day, night).text()) << "day " << day;
                    continue;
                }
                if (start + 12 * 3600.0 <= topOfTheHour) {
                    continue;  // over before the forecast
                }
                bool anyHourWet = false;
                for (double at = std::max(start, topOfTheHour); at < start + 12 * 3600.0; at += 3600.0) {
                    anyHourWet = anyHourWet || model.sample(at).sky->isWet();
                }
                EXPECT_EQ(part.sky->isWet(), anyHourWet) << "day " << day << (night ? " night" : "");
            }
        }
    }
}

}  // namespace
}  // namespace qovsim
