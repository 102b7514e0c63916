#include "sim/SurfaceWeather.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sim/NoiseField.h"
#include "sim/PlaceTime.h"
#include "sim/TileAddress.h"
#include "sim/WeatherModel.h"

namespace qovsim {

namespace {

constexpr double kHour = 3600.0;
constexpr double kDay = 86400.0;
constexpr double kEarthRadiusKm = 6371.0;
// Places pull the field towards their own values within a few hundred kilometres; far from every place the
// climate alone remains.
constexpr double kNearKm = 25.0;
constexpr double kFarKm = 1200.0;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

double distanceKm(double latitude1, double longitude1, double latitude2, double longitude2) {
    const double dLatitude = radians(latitude2 - latitude1);
    const double dLongitude = radians(longitude2 - longitude1);
    const double a = std::sin(dLatitude / 2) * std::sin(dLatitude / 2) +
                     std::cos(radians(latitude1)) * std::cos(radians(latitude2)) * std::sin(dLongitude / 2) *
                         std::sin(dLongitude / 2);
    return 2.0 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(a)));
}

double dayOfYear(double time) { return PlaceTime::dayOfYear(static_cast<long long>(std::floor(time / kDay))); }

// Local sun time in hours (0 to 24) at a longitude.
double sunHours(double time, double longitude) {
    const double hours = std::fmod(time / kHour + longitude / 15.0, 24.0);
    return hours < 0.0 ? hours + 24.0 : hours;
}

// A day's total adds up the rain of its quarter hours, each at the rate of its start (from 24 hours before the
// instant to a quarter hour before it): every place's forecast hours (local whole hours, in zones a whole, half or
// quarter hour off UTC) are among those starts.
constexpr double kQuarterHour = 900.0;
constexpr int kQuartersInADay = 96;

}  // namespace

SurfaceWeather::SurfaceWeather(const Gazetteer& gazetteer, double time) : m_time(time) {
    for (const Place& place : gazetteer.places()) {
        if (place.type != 1) {
            continue;
        }
        const WeatherSample sample = WeatherModel(place).sample(time);
        const double climate = climateTemperature(place.latitude, place.longitude, time);
        m_samples.push_back(
            {place.latitude, place.longitude, sample.temperature - climate, sample.feelsLike - climate});
    }
}

double SurfaceWeather::climateTemperature(double latitude, double longitude, double time) {
    const double absolute = std::abs(latitude);
    double mean = 84.0 - 0.014 * absolute * absolute;
    double amplitude = 2.0 + 0.45 * absolute;
    if (latitude >= 35.0 && latitude <= 62.0 && longitude >= -11.0 && longitude <= 25.0) {
        mean += 5.0;
        amplitude *= 0.55;
    }
    const double warmestDay = latitude >= 0.0 ? 201.0 : 19.0;
    const double season = std::cos(2.0 * std::numbers::pi * (dayOfYear(time) - warmestDay) / 365.25);
    const double day = std::cos(2.0 * std::numbers::pi * (sunHours(time, longitude) - 15.0) / 24.0);
    return mean + amplitude * season + 7.0 * day;
}

double SurfaceWeather::offsetAt(double latitude, double longitude, double Sample::*offset) const {
    // Inverse-distance weighting with a floor, so the field passes close to each place's own value, and a
    // weight for the climate itself that wins far from every place.
    double weighted = 0.0;
    double total = 1.0 / (kFarKm * kFarKm);
    for (const Sample& sample : m_samples) {
        const double distance = distanceKm(latitude, longitude, sample.latitude, sample.longitude);
        const double weight = 1.0 / (distance * distance + kNearKm * kNearKm);
        weighted += weight * (sample.*offset);
        total += weight;
    }
    return weighted / total;
}

double SurfaceWeather::temperature(double latitude, double longitude) const {
    return climateTemperature(latitude, longitude, m_time) + offsetAt(latitude, longitude, &Sample::temperatureOffset);
}

double SurfaceWeather::feelsLike(double latitude, double longitude) const {
    return climateTemperature(latitude, longitude, m_time) + offsetAt(latitude, longitude, &Sample::feelsLikeOffset);
}

double SurfaceWeather::liquidFallen(double u, double v) const {
    double sum = 0.0;
    for (int quarter = 1; quarter <= kQuartersInADay; ++quarter) {
        sum += NoiseField::rainRate(NoiseField::rain(u, v, m_time - quarter * kQuarterHour)) * kQuarterHour / kHour;
    }
    return sum;
}

double SurfaceWeather::snowShare(double u, double v) const {
    const double celsius = (temperature(TileAddress::latitudeOf(v), TileAddress::longitudeOf(u)) - 32.0) * 5.0 / 9.0;
    return std::clamp((1.5 - celsius) / 3.0, 0.0, 1.0);
}

double SurfaceWeather::rainfall(double u, double v) const {
    const double liquid = liquidFallen(u, v);
    return liquid <= 0.0 ? 0.0 : liquid * (1.0 - snowShare(u, v));
}

double SurfaceWeather::snowfall(double u, double v) const {
    const double liquid = liquidFallen(u, v);
    return liquid <= 0.0 ? 0.0 : 10.0 * liquid * snowShare(u, v);
}

double SurfaceWeather::uvIndex(double u, double v) const {
    const double latitude = radians(TileAddress::latitudeOf(v));
    const double declination = radians(-23.44 * std::cos(2.0 * std::numbers::pi * (dayOfYear(m_time) + 10.0) / 365.0));
    const double hourAngle = radians((sunHours(m_time, TileAddress::longitudeOf(u)) - 12.0) * 15.0);
    const double height =
        std::sin(latitude) * std::sin(declination) + std::cos(latitude) * std::cos(declination) * std::cos(hourAngle);
    if (height <= 0.0) {
        return 0.0;
    }
    const double cloud = std::clamp((NoiseField::cloud(u, v, m_time) - 0.45) / 0.25, 0.0, 1.0);
    return 12.5 * std::pow(height, 2.4) * (1.0 - 0.55 * cloud);
}

}  // namespace qovsim
