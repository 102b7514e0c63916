#include "sim/WeatherModel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <optional>

#include "sim/NoiseField.h"
#include "sim/TileAddress.h"

namespace qovsim {

namespace {

constexpr double kHour = 3600.0;
constexpr double kFeetPerMetre = 3.28084;
// How far past now a forecast takes the fields' skies.
constexpr double kFieldReach = 48.0 * kHour;

enum SkyKind {
    kSunny,
    kMostlySunny,
    kPartlyCloudy,
    kMostlyCloudy,
    kCloudy,
    kLightRain,
    kShowers,
    kRain,
    kThunderstorms,
    kSnowShowers,
    kSnow,
    kRainAndSnow,
    kFog
};

constexpr std::array<SkyCondition, 13> kSkies{{
    {32, 31, "Sunny", "Clear", "Sunny", "", 0, 10, 1.0},
    {34, 33, "Mostly Sunny", "Mostly Clear", "M Sunny", "", 5, 10, 0.9},
    {30, 29, "Partly Cloudy", "Partly Cloudy", "P Cloudy", "", 10, 10, 0.75},
    {28, 27, "Mostly Cloudy", "Mostly Cloudy", "M Cloudy", "", 15, 10, 0.5},
    {26, 26, "Cloudy", "Cloudy", "Cloudy", "", 20, 8, 0.35},
    {9, 9, "Light Rain", "Light Rain", "Lt Rain", "rain", 40, 7, 0.45},
    {11, 45, "Showers", "Showers", "Showers", "rain", 60, 6, 0.4},
    {12, 12, "Rain", "Rain", "Rain", "rain", 80, 4, 0.3},
    {38, 47, "Scattered Thunderstorms", "Scattered Thunderstorms", "T-Storms", "rain", 40, 6, 0.5},
    {14, 46, "Snow Showers", "Snow Showers", "Snow Shwrs", "snow", 60, 3, 0.4},
    {16, 16, "Snow", "Snow", "Snow", "snow", 80, 1, 0.3},
    {5, 5, "Rain / Snow", "Rain / Snow", "Rain/Snow", "precip", 70, 3, 0.3},
    {20, 20, "Fog", "Fog", "Fog", "", 10, 1, 0.4},
}};

// Where the fields' skies change, on the radar's scale of rain and the satellite's of cloud (NoiseField).
constexpr double kShowersFrom = 0.59;      // the radar's second band, green
constexpr double kMostlySunnyFrom = 0.45;  // cloud begins to show
constexpr double kPartlyCloudyFrom = 0.52;
constexpr double kMostlyCloudyFrom = 0.58;
constexpr double kCloudyFrom = 0.64;
// Thunder needs a warm day; snow falls at freezing, mixed with rain a little above.
constexpr double kThunderWarmth = 60.0;
constexpr double kSnowBelow = 32.0;
constexpr double kMixBelow = 37.0;

// Rain turns to snow, or to rain and snow, by the temperature.
SkyKind frozen(SkyKind kind, double temperature) {
    if (kind != kLightRain && kind != kShowers && kind != kRain) {
        return kind;
    }
    if (temperature <= kSnowBelow) {
        return kind == kRain ? kSnow : kSnowShowers;
    }
    return temperature <= kMixBelow ? kRainAndSnow : kind;
}

// The sky of rain at a temperature, by the radar's bands: light green light rain, green showers, yellow and orange
// rain, red thunderstorms on a warm day and rain on a cold one.
const SkyCondition& wetSky(double rain, double temperature) {
    const SkyKind kind = rain < kShowersFrom                ? kLightRain
                         : rain < NoiseField::kModerateRain ? kShowers
                         : rain < NoiseField::kHeavyRain    ? kRain
                         : temperature >= kThunderWarmth    ? kThunderstorms
                                                            : kRain;
    return kSkies[frozen(kind, temperature)];
}

// The sky of a dry place under a cloud field's value.
const SkyCondition& drySky(double cloud) {
    const SkyKind kind = cloud < kMostlySunnyFrom    ? kSunny
                         : cloud < kPartlyCloudyFrom ? kMostlySunny
                         : cloud < kMostlyCloudyFrom ? kPartlyCloudy
                         : cloud < kCloudyFrom       ? kMostlyCloudy
                                                     : kCloudy;
    return kSkies[kind];
}

// The chance of precipitation near rain, in tens: none a tenth short of rain, half in the lightest rain, certain
// from the showers' band on.
int chanceOfRain(double rain) {
    const double chance = (rain - NoiseField::kLightRain + 0.1) * 500.0;
    return static_cast<int>(std::lround(std::clamp(chance, 0.0, 100.0) / 10.0)) * 10;
}

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Cosine of the hour of the day against the warmest hour (15:00): 1 at 15:00, -1 at 03:00.
double diurnal(double localHours) { return std::cos(2.0 * std::numbers::pi * (localHours - 15.0) / 24.0); }

double heatIndex(double t, double rh) {
    return -42.379 + 2.04901523 * t + 10.14333127 * rh - 0.22475541 * t * rh - 0.00683783 * t * t -
           0.05481717 * rh * rh + 0.00122874 * t * t * rh + 0.00085282 * t * rh * rh - 0.00000199 * t * t * rh * rh;
}

double windChill(double t, double mph) {
    double v = std::pow(mph, 0.16);
    return 35.74 + 0.6215 * t - 35.75 * v + 0.4275 * t * v;
}

double dewPointOf(double fahrenheit, double humidity) {
    double celsius = (fahrenheit - 32.0) * 5.0 / 9.0;
    double gamma = std::log(std::max(humidity, 1.0) / 100.0) + 17.625 * celsius / (243.04 + celsius);
    double dew = 243.04 * gamma / (17.625 - gamma);
    return std::min(dew * 9.0 / 5.0 + 32.0, fahrenheit);
}

}  // namespace

WeatherModel::WeatherModel(const Place& place, std::optional<double> now)
    : m_place(place),
      m_time(place.timeZone),
      m_firstHour(now ? m_time.localMidnight(*now) + std::floor(m_time.localHours(*now)) * kHour
                      : -std::numeric_limits<double>::infinity()),
      m_fieldReach(now ? *now + kFieldReach : std::numeric_limits<double>::infinity()),
      m_worldU(TileAddress::uOf(place.longitude)),
      m_worldV(TileAddress::vOf(place.latitude)) {}

double WeatherModel::noise(std::string_view purpose, long long counter) const {
    // FNV-1a over the key, the purpose and the counter, then a final avalanche.
    std::uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](unsigned char byte) {
        hash ^= byte;
        hash *= 1099511628211ull;
    };
    for (char c : m_place.key) {
        mix(static_cast<unsigned char>(c));
    }
    mix(0);
    for (char c : purpose) {
        mix(static_cast<unsigned char>(c));
    }
    for (int i = 0; i < 8; ++i) {
        mix(static_cast<unsigned char>((static_cast<std::uint64_t>(counter) >> (8 * i)) & 0xff));
    }
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdull;
    hash ^= hash >> 33;
    return static_cast<double>(hash >> 11) / 9007199254740992.0;  // 2^53
}

double WeatherModel::baseTemperature(long long day) const {
    if (auto known = m_baseTemperatures.find(day); known != m_baseTemperatures.end()) {
        return known->second;
    }
    double latitude = std::abs(m_place.latitude);
    double mean = 84.0 - 0.014 * latitude * latitude - 3.5 * m_place.elevation * kFeetPerMetre / 1000.0;
    double amplitude = (2.0 + 0.45 * latitude) * (m_place.coastal ? 0.75 : 1.0);
    // Western Europe lies downwind of a warm ocean: milder winters and cooler summers than its latitude alone.
    if (m_place.latitude >= 35.0 && m_place.latitude <= 62.0 && m_place.longitude >= -11.0 &&
        m_place.longitude <= 25.0) {
        mean += 5.0;
        amplitude *= 0.55;
    }
    // Warmest around 20 July in the north, 19 January in the south.
    double warmestDay = m_place.latitude >= 0.0 ? 201.0 : 19.0;
    double season = std::cos(2.0 * std::numbers::pi * (PlaceTime::dayOfYear(day) - warmestDay) / 365.25);
    // Spells of warmer and cooler days: each day leans on its neighbours.
    auto anomaly = [this](long long d) { return (noise("temperature", d) - 0.5) * 14.0; };
    double spell = 0.5 * anomaly(day) + 0.25 * anomaly(day - 1) + 0.25 * anomaly(day + 1);
    return m_baseTemperatures[day] = mean + amplitude * season + spell;
}

double WeatherModel::dailyRange(long long day) const {
    double range = m_place.coastal ? 11.0 : 17.0;
    return range * std::min(1.0, 0.3 + climateSky(partIndex(day, false)).sunshine);
}

double WeatherModel::temperatureAt(double instant) const {
    // Interpolate the daily values between local noons so the curve has no step at midnight.
    long long day = m_time.dayNumber(instant);
    double hours = m_time.localHours(instant);
    long long from = hours >= 12.0 ? day : day - 1;
    double fraction = (hours >= 12.0 ? hours - 12.0 : hours + 12.0) / 24.0;
    double base = baseTemperature(from) * (1.0 - fraction) + baseTemperature(from + 1) * fraction;
    double range = dailyRange(from) * (1.0 - fraction) + dailyRange(from + 1) * fraction;
    return base + range / 2.0 * diurnal(hours);
}

const SkyCondition& WeatherModel::climateSky(long long part) const {
    if (auto known = m_climateSkies.find(part); known != m_climateSkies.end()) {
        return *known->second;
    }
    double u = noise("sky", part);
    SkyKind kind = u < 0.30   ? kSunny
                   : u < 0.48 ? kMostlySunny
                   : u < 0.63 ? kPartlyCloudy
                   : u < 0.73 ? kMostlyCloudy
                   : u < 0.80 ? kCloudy
                   : u < 0.87 ? kShowers
                   : u < 0.92 ? kRain
                   : u < 0.96 ? kThunderstorms
                              : kFog;
    long long day = part >= 0 ? part / 2 : (part - 1) / 2;
    double temperature = baseTemperature(day);
    if (kind == kThunderstorms && temperature < kThunderWarmth) {
        kind = kRain;
    }
    kind = frozen(kind, temperature);
    m_climateSkies[part] = &kSkies[kind];
    return kSkies[kind];
}

long long WeatherModel::partAt(double instant) const {
    const double hours = m_time.localHours(instant);
    const long long day = m_time.dayNumber(instant);
    return hours < 6.0 ? partIndex(day - 1, true) : partIndex(day, hours >= 18.0);
}

double WeatherModel::partStart(long long part) const {
    const long long day = part >= 0 ? part / 2 : (part - 1) / 2;
    return m_time.instantAt(day, part - day * 2 == 1 ? 18.0 : 6.0);
}

WeatherModel::FieldValues WeatherModel::fieldsAt(double instant) const {
    return {NoiseField::rain(m_worldU, m_worldV, instant), NoiseField::cloud(m_worldU, m_worldV, instant)};
}

const WeatherModel::PartSky& WeatherModel::partSky(long long part) const {
    if (auto known = m_partSkies.find(part); known != m_partSkies.end()) {
        return known->second;
    }
    const double start = partStart(part);
    if (start >= m_fieldReach) {
        const SkyCondition& sky = climateSky(part);
        return m_partSkies[part] = {&sky, sky.chanceOfPrecipitation};
    }
    // The part's hours as the hourly forecast lists them; the part under way from the first hour on.
    constexpr int kHours = 12;
    const double from = start + (kHours - 1) * kHour >= m_firstHour ? std::max(start, m_firstHour) : start;
    double wettestAt = start;
    FieldValues wettest{-1.0, 0.0};
    double cloud = 0.0;
    int hours = 0;
    for (int hour = 0; hour < kHours; ++hour) {
        const double at = start + hour * kHour;
        if (at < from) {
            continue;
        }
        const FieldValues fields = fieldsAt(at);
        if (fields.rain > wettest.rain) {
            wettest = fields;
            wettestAt = at;
        }
        cloud += fields.cloud;
        ++hours;
    }
    const SkyCondition& sky =
        wettest.rain >= NoiseField::kLightRain ? wetSky(wettest.rain, temperatureAt(wettestAt)) : drySky(cloud / hours);
    return m_partSkies[part] = {&sky, chanceOfRain(wettest.rain)};
}

double WeatherModel::pressureOfPart(long long part) const {
    return 29.75 + noise("pressure", part) * 0.55 - (climateSky(part).isWet() ? 0.25 : 0.0);
}

SunTimes WeatherModel::sun(long long day) const { return SunTimes::forDay(day, m_place.latitude, m_place.longitude); }

WeatherSample WeatherModel::sample(double instant) const {
    long long day = m_time.dayNumber(instant);
    double hours = m_time.localHours(instant);
    long long part = partAt(instant);
    long long hourCounter = static_cast<long long>(std::floor(instant / kHour));

    WeatherSample s;
    s.temperature = temperatureAt(instant);
    // The rain over the place where the part takes the fields' sky.
    std::optional<double> rain;
    if (partStart(part) < m_fieldReach) {
        const FieldValues fields = fieldsAt(instant);
        rain = fields.rain;
        s.sky = fields.rain >= NoiseField::kLightRain ? &wetSky(fields.rain, s.temperature) : &drySky(fields.cloud);
    } else {
        s.sky = &climateSky(part);
    }
    const SkyCondition& sky = *s.sky;
    SunTimes sunTimes = sun(day);
    s.night = instant < sunTimes.sunrise || instant >= sunTimes.sunset;

    double humidity = (m_place.coastal ? 72.0 : 58.0) +
                      (sky.isWet()          ? 18.0
                       : sky.sunshine < 0.6 ? 8.0
                                            : 0.0) -
                      15.0 * diurnal(hours) + (noise("humidity", part) - 0.5) * 16.0;
    s.humidity = static_cast<int>(std::lround(std::clamp(humidity, 12.0, 100.0)));
    s.dewPoint = dewPointOf(s.temperature, s.humidity);

    double wind = 3.0 + noise("wind", part) * 11.0 + (m_place.coastal ? 4.0 : 0.0) +
                  (sky.dayIcon == kSkies[kThunderstorms].dayIcon ? 6.0 : 0.0) +
                  (noise("gust", hourCounter) - 0.5) * 4.0;
    s.windSpeed = static_cast<int>(std::lround(std::max(0.0, wind)));
    int direction = static_cast<int>(noise("direction", part) * 36.0) * 10 +
                    static_cast<int>((noise("veer", hourCounter) - 0.5) * 20.0);
    s.windDirection = ((direction % 360) + 360) % 360;
    s.windGust = s.windSpeed >= 12 ? s.windSpeed + 6 + static_cast<int>(noise("gust", hourCounter) * 6.0) : 0;

    s.pressure = std::round(pressureOfPart(part) * 100.0) / 100.0;
    double change = pressureOfPart(part) - pressureOfPart(part - 1);
    s.pressureTendency = change > 0.03 ? 1 : change < -0.03 ? 2 : 0;

    if (s.temperature >= 80.0 && s.humidity >= 40) {
        s.feelsLike = std::max(s.temperature, heatIndex(s.temperature, s.humidity));
    } else if (s.temperature <= 50.0 && s.windSpeed > 3) {
        s.feelsLike = std::min(s.temperature, windChill(s.temperature, s.windSpeed));
    } else {
        s.feelsLike = s.temperature;
    }

    if (!s.night && sunTimes.sunset > sunTimes.sunrise) {
        double fraction =
            std::sin(std::numbers::pi * (instant - sunTimes.sunrise) / (sunTimes.sunset - sunTimes.sunrise));
        double zenith = std::abs(m_place.latitude - sunTimes.declination);
        double noonIndex = 12.5 * std::pow(std::max(0.0, std::cos(radians(zenith))), 2.5) * sky.sunshine;
        s.uvIndex = static_cast<int>(std::lround(noonIndex * std::pow(std::max(0.0, fraction), 1.5)));
    }
    s.visibility = sky.visibility;

    const bool snow = std::string_view(sky.precipitationType) == "snow";
    if (rain) {
        s.chanceOfPrecipitation = chanceOfRain(*rain);
        s.precipitationRate = NoiseField::rainRate(*rain);
        s.snowRate = snow ? std::round(s.precipitationRate * 1000.0) / 100.0 : 0.0;
        return s;
    }
    double chance = sky.chanceOfPrecipitation + (noise("chance", hourCounter) - 0.5) * 20.0;
    s.chanceOfPrecipitation = static_cast<int>(std::lround(std::clamp(chance, 0.0, 100.0)));
    if (sky.isWet() && noise("falling", hourCounter) * 100.0 < s.chanceOfPrecipitation) {
        double intensity = noise("intensity", hourCounter);
        if (snow) {
            s.snowRate = std::round((0.1 + intensity * 0.8) * 100.0) / 100.0;
            s.precipitationRate = std::round(s.snowRate * 10.0) / 100.0;
        } else {
            s.precipitationRate = std::round((0.02 + intensity * 0.2) * 100.0) / 100.0;
        }
    }
    return s;
}

int WeatherModel::high(long long day) const {
    double highest = -1000.0;
    for (int hour = 6; hour <= 18; ++hour) {
        highest = std::max(highest, temperatureAt(m_time.instantAt(day, hour)));
    }
    return static_cast<int>(std::lround(highest));
}

int WeatherModel::low(long long day) const {
    double lowest = 1000.0;
    for (int hour = 18; hour <= 30; ++hour) {
        lowest = std::min(lowest, temperatureAt(m_time.instantAt(day, hour)));
    }
    // A warm night after a cold day still reads no higher than the day's high.
    return std::min(static_cast<int>(std::lround(lowest)), high(day));
}

DayPartWeather WeatherModel::dayPart(long long day, bool night) const {
    // The part's values are those of its middle hour (13:00 or 01:00), its temperature the high or the low.
    WeatherSample middle = sample(m_time.instantAt(day, night ? 25.0 : 13.0));
    DayPartWeather part;
    part.day = day;
    part.night = night;
    const PartSky& sky = partSky(partIndex(day, night));
    part.sky = sky.sky;
    part.temperature = night ? low(day) : high(day);
    part.humidity = middle.humidity;
    part.windSpeed = middle.windSpeed;
    part.windDirection = middle.windDirection;
    part.chanceOfPrecipitation = sky.chanceOfPrecipitation;
    if (!night) {
        part.uvIndex = sample(sun(day).solarNoon).uvIndex;
    }
    return part;
}

double WeatherModel::seaTemperature(long long day) const {
    // Water lags the air by about a month and swings half as much.
    double latitude = std::abs(m_place.latitude);
    double mean = std::max(40.0, 84.0 - 0.012 * latitude * latitude);
    double warmestDay = m_place.latitude >= 0.0 ? 231.0 : 49.0;
    double season = std::cos(2.0 * std::numbers::pi * (PlaceTime::dayOfYear(day) - warmestDay) / 365.25);
    return std::max(32.0, mean + (1.0 + 0.2 * latitude) * season);
}

std::string WeatherModel::compassPoint(int degrees) {
    static constexpr const char* kPoints[] = {"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                              "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};
    int normalized = ((degrees % 360) + 360) % 360;
    return kPoints[static_cast<int>(std::lround(normalized / 22.5)) % 16];
}

std::string WeatherModel::uvDescription(int uvIndex) {
    if (uvIndex <= 2) {
        return "Low";
    }
    if (uvIndex <= 5) {
        return "Moderate";
    }
    if (uvIndex <= 7) {
        return "High";
    }
    return uvIndex <= 10 ? "Very High" : "Extreme";
}

}  // namespace qovsim
