#include "sim/SurfaceWeather.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "sim/WeatherModel.h"

namespace qovsim {
namespace {

constexpr double kJanuaryMorning = 1'800'000'000.0;   // 2027-01-15 08:00 UTC
constexpr double kJulyNoonInTheUS = 1'815'584'400.0;  // 2027-07-14 17:00 UTC

// The Mercator world position of a coordinate.
double worldU(double longitude) { return (longitude + 180.0) / 360.0; }
double worldV(double latitude) {
    const double sine = std::sin(latitude * std::numbers::pi / 180.0);
    return 0.5 - std::log((1.0 + sine) / (1.0 - sine)) / (4.0 * std::numbers::pi);
}

class SurfaceWeatherTest : public ::testing::Test {
protected:
    const Gazetteer m_gazetteer = Gazetteer::load();
};

TEST_F(SurfaceWeatherTest, TemperaturesPassThroughThePlacesAndStaySmoothBetweenThem) {
    ASSERT_FALSE(m_gazetteer.places().empty());
    for (const double time : {kJanuaryMorning, kJulyNoonInTheUS}) {
        const SurfaceWeather weather(m_gazetteer, time);
        for (const char* key : {"USGA0028", "UKXX0085", "USNY0996"}) {
            const Place* place = m_gazetteer.findByKey(key, 1);
            ASSERT_NE(place, nullptr) << key;
            const WeatherSample sample = WeatherModel(*place).sample(time);
            EXPECT_NEAR(weather.temperature(place->latitude, place->longitude), sample.temperature, 2.0) << key;
            EXPECT_NEAR(weather.feelsLike(place->latitude, place->longitude), sample.feelsLike, 2.5) << key;
        }
        // A tenth of a degree away the field has barely moved.
        EXPECT_NEAR(weather.temperature(33.75, -84.39), weather.temperature(33.85, -84.29), 1.5);
    }
    // Far from every place the climate rules: the tropics are warmer than the Arctic.
    const SurfaceWeather weather(m_gazetteer, kJanuaryMorning);
    EXPECT_GT(weather.temperature(0.0, -140.0), weather.temperature(75.0, -140.0) + 40.0);
}

TEST_F(SurfaceWeatherTest, TheSeasonsAreOppositeInTheTwoHemispheres) {
    // At 45 degrees the climate swings 22.25 degrees either side of 55.65 over the year; at sun time 06:00
    // the day takes 4.95 off (08:00 UTC at 30 degrees west).
    EXPECT_NEAR(SurfaceWeather::climateTemperature(45.0, -30.0, kJanuaryMorning), 28.5, 0.5);
    EXPECT_NEAR(SurfaceWeather::climateTemperature(-45.0, -30.0, kJanuaryMorning), 72.9, 0.5);
    const double julyMorning = kJulyNoonInTheUS - 9.0 * 3600.0;  // 08:00 UTC
    EXPECT_NEAR(SurfaceWeather::climateTemperature(45.0, -30.0, julyMorning), 72.8, 0.5);
    EXPECT_NEAR(SurfaceWeather::climateTemperature(-45.0, -30.0, julyMorning), 28.6, 0.5);
}

TEST_F(SurfaceWeatherTest, UvFollowsTheSunAndFallsAreTotalsOfTheDay) {
    const SurfaceWeather july(m_gazetteer, kJulyNoonInTheUS);
    // Noon in July over Kansas against night over India and the low winter sun over the far south.
    const double kansas = july.uvIndex(worldU(-98.0), worldV(38.0));
    EXPECT_GT(kansas, 4.0);
    EXPECT_LT(kansas, 13.0);
    EXPECT_EQ(july.uvIndex(worldU(78.0), worldV(22.0)), 0.0);
    EXPECT_LT(july.uvIndex(worldU(-70.0), worldV(-50.0)), kansas / 2.0);

    // Over a wide band of the world some rain has fallen and none is negative; in January snow falls in the
    // far north and never in the tropics.
    const SurfaceWeather january(m_gazetteer, kJanuaryMorning);
    double wettest = 0.0;
    double snowiestNorth = 0.0;
    for (double longitude = -170.0; longitude < 180.0; longitude += 2.5) {
        for (double latitude = -10.0; latitude <= 10.0; latitude += 2.5) {
            const double rain = january.rainfall(worldU(longitude), worldV(latitude));
            EXPECT_GE(rain, 0.0);
            wettest = std::max(wettest, rain);
            EXPECT_EQ(january.snowfall(worldU(longitude), worldV(latitude)), 0.0);
        }
        snowiestNorth = std::max(snowiestNorth, january.snowfall(worldU(longitude), worldV(62.0)));
    }
    EXPECT_GT(wettest, 0.1);
    EXPECT_LT(wettest, 12.0);
    EXPECT_GT(snowiestNorth, 1.0);
}

}  // namespace
}  // namespace qovsim
