#include "sim/SunTimes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qovsim {

namespace {

constexpr double kJulianUnixEpoch = 2440587.5;
constexpr double kJulian2000 = 2451545.0;

double sinDegrees(double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); }
double cosDegrees(double degrees) { return std::cos(degrees * std::numbers::pi / 180.0); }
double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

}  // namespace

SunTimes SunTimes::forDay(long long dayNumber, double latitude, double longitude) {
    // Days since 2000-01-01 12:00 UTC of the local date, shifted to the mean solar noon at the longitude.
    double n = static_cast<double>(dayNumber) + kJulianUnixEpoch + 0.5 - kJulian2000;
    double meanNoon = n - longitude / 360.0;
    double anomaly = std::fmod(357.5291 + 0.98560028 * meanNoon, 360.0);
    double center = 1.9148 * sinDegrees(anomaly) + 0.02 * sinDegrees(2 * anomaly) + 0.0003 * sinDegrees(3 * anomaly);
    double eclipticLongitude = std::fmod(anomaly + center + 180.0 + 102.9372, 360.0);
    double transit = kJulian2000 + meanNoon + 0.0053 * sinDegrees(anomaly) - 0.0069 * sinDegrees(2 * eclipticLongitude);
    double sinDeclination = sinDegrees(eclipticLongitude) * sinDegrees(23.4397);
    double declination = degrees(std::asin(sinDeclination));
    double cosHourAngle =
        (sinDegrees(-0.833) - sinDegrees(latitude) * sinDeclination) / (cosDegrees(latitude) * cosDegrees(declination));
    double hourAngle = degrees(std::acos(std::clamp(cosHourAngle, -1.0, 1.0)));

    auto toInstant = [](double julian) { return (julian - kJulianUnixEpoch) * 86400.0; };
    SunTimes times;
    times.solarNoon = toInstant(transit);
    times.sunrise = toInstant(transit - hourAngle / 360.0);
    times.sunset = toInstant(transit + hourAngle / 360.0);
    times.declination = declination;
    return times;
}

}  // namespace qovsim
