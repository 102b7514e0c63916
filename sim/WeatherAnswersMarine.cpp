// The marine document: forecast periods of the nearest marine station and the tides of one tide station.
#include <array>
#include <cmath>
#include <numbers>
#include <string>

#include "sim/WeatherAnswers.h"

namespace qovsim {

namespace {

constexpr double kHour = 3600.0;
constexpr int kMarinePeriods = 12;
constexpr int kTideDays = 3;
constexpr double kTidePeriod = 12.4206 * kHour;  // the principal lunar tide

struct MarinePeriod {
    const char* name;
    double startHour;  // local clock time the period starts
};

// The periods are named like the tides that fall in them (morning 07-13, afternoon 13-19, evening 19-01,
// night 01-07), so each period lists its own tides.
constexpr std::array<MarinePeriod, 4> kPeriods{
    {{"Morning", 7.0}, {"Afternoon", 13.0}, {"Evening", 19.0}, {"Night", 25.0}}};

const char* seaState(int windSpeed) {
    if (windSpeed < 5) {
        return "Calm";
    }
    if (windSpeed < 10) {
        return "Smooth";
    }
    if (windSpeed < 16) {
        return "Slight";
    }
    return windSpeed < 23 ? "Moderate" : "Rough";
}

double hundredths(double value) { return std::round(value * 100.0) / 100.0; }

}  // namespace

WeatherAnswers::Json WeatherAnswers::marineForecasts() const {
    Json list = Json::array();
    if (!m_place.coastal) {
        return list;
    }
    // Start with the period that holds now (the night period of the previous day before 07:00).
    double hours = m_model.time().localHours(m_now);
    long long day = hours < 7.0 ? m_today - 1 : m_today;
    std::size_t index = hours < 7.0 ? 3 : hours < 13.0 ? 0 : hours < 19.0 ? 1 : 2;
    for (int i = 0; i < kMarinePeriods; ++i) {
        const MarinePeriod& period = kPeriods[index];
        double start = m_model.time().instantAt(day, period.startHour);
        WeatherSample s = m_model.sample(start + 3.0 * kHour);
        int knots = static_cast<int>(std::lround(s.windSpeed * 0.868976));
        int waveFrom = std::max(1, s.windSpeed / 6);
        list.push_back(Json{
            {"validDate", std::llround(start)},
            {"dName", period.name},
            {"sTemp", static_cast<int>(std::lround(m_model.seaTemperature(day)))},
            {"sState", seaState(s.windSpeed)},
            {"sDesc", "Waves " + std::to_string(waveFrom) + " to " + std::to_string(waveFrom + 1) + " ft."},
            {"wnd", WeatherModel::compassPoint(s.windDirection) + " winds " + std::to_string(knots / 5 * 5) + " to " +
                        std::to_string(knots / 5 * 5 + 5) + " kt."},
            {"wSpeed", s.windSpeed},
            {"wDir", s.windDirection},
        });
        if (++index == kPeriods.size()) {
            index = 0;
            ++day;
        }
    }
    return list;
}

WeatherAnswers::Json WeatherAnswers::tides() const {
    Json list = Json::array();
    if (!m_place.coastal) {
        return list;
    }
    std::string station = std::to_string(8410000 + static_cast<int>(m_model.noise("station", 0) * 580000));
    double range = 2.0 + m_model.noise("range", 0) * 5.0;  // feet between low and high water
    double phase = m_model.noise("phase", 0) * kTidePeriod;
    double from = m_model.time().localMidnight(m_now);
    double to = m_model.time().instantAt(m_today + kTideDays, 0.0);
    // High waters at phase + k * period, low waters half a period later; spring and neap tides every ~14.8 days.
    long long first = static_cast<long long>(std::floor((from - phase) / kTidePeriod));
    for (long long k = first;; ++k) {
        double high = phase + static_cast<double>(k) * kTidePeriod;
        if (high >= to) {
            break;
        }
        double spring = 1.0 + 0.15 * std::cos(2.0 * std::numbers::pi * high / (14.765 * 86400.0));
        for (bool low : {false, true}) {
            double at = high + (low ? kTidePeriod / 2.0 : 0.0);
            if (at < from || at >= to) {
                continue;
            }
            double height = low ? 0.3 - 0.1 * range * (spring - 1.0) * 4.0 : 0.3 + range * spring;
            list.push_back(Json{
                {"key", station},
                {"tTime", std::llround(at)},
                {"tType", low ? "L" : "H"},
                {"tHgt", hundredths(height)},
            });
        }
    }
    return list;
}

}  // namespace qovsim
