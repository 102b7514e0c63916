// The severe-weather alerts and pollen readings of the location aggregate (United States places only).
#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include <fmt/format.h>

#include "sim/WeatherAnswers.h"

namespace qovsim {

namespace {

constexpr double kHour = 3600.0;

struct AlertKind {
    const char* phenomena;
    const char* significance;
    int severity;
    const char* name;
    const char* advice;
};

constexpr AlertKind kWinterStorm{"WS", "W", 2, "Winter Storm Warning",
                                 "Travel will be very difficult. Keep an extra flashlight, food and water in your "
                                 "vehicle in case of an emergency."};
constexpr AlertKind kHeat{"HT", "Y", 3, "Heat Advisory",
                          "Drink plenty of fluids, stay in an air-conditioned room, stay out of the sun, and check "
                          "up on relatives and neighbors."};
constexpr AlertKind kCoastalFlood{"CF", "Y", 3, "Coastal Flood Advisory",
                                  "Minor flooding of low-lying roads near the shore is expected around high tide."};
constexpr AlertKind kThunderstorm{"SV", "A", 2, "Severe Thunderstorm Watch",
                                  "Conditions are favorable for severe thunderstorms with damaging winds and large "
                                  "hail in and close to the watch area."};
constexpr AlertKind kWind{"WI", "Y", 3, "Wind Advisory",
                          "Gusty winds may blow around unsecured objects. Tree limbs could be blown down."};

std::string clockText(double hours) {
    int hour = static_cast<int>(hours) % 24;
    int twelve = hour % 12 == 0 ? 12 : hour % 12;
    return std::to_string(twelve) + (hour < 12 ? " AM" : " PM");
}

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

const char* pollenDescription(int value) {
    static constexpr std::array<const char*, 5> kDescriptions{"None", "Low", "Moderate", "High", "Very High"};
    return kDescriptions[static_cast<std::size_t>(std::clamp(value, 0, 4))];
}

// How much of its season a pollen type is in during the month (1-12, northern calendar): 0 to 1.
double pollenSeason(const std::string& type, int month) {
    static constexpr std::array<double, 12> kTree{0.1, 0.4, 0.9, 1.0, 0.7, 0.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    static constexpr std::array<double, 12> kGrass{0.0, 0.0, 0.1, 0.3, 0.8, 1.0, 0.8, 0.4, 0.2, 0.0, 0.0, 0.0};
    static constexpr std::array<double, 12> kWeed{0.0, 0.0, 0.0, 0.0, 0.1, 0.2, 0.4, 0.9, 1.0, 0.6, 0.1, 0.0};
    const auto& table = type == "Tree" ? kTree : type == "Grass" ? kGrass : kWeed;
    return table[static_cast<std::size_t>(month - 1)];
}

}  // namespace

WeatherAnswers::Json WeatherAnswers::weatherAlerts() const {
    Json list = Json::array();
    // Alerts belong to some United States places, chosen once per place so tests can count on them.
    double chance = m_model.noise("alerts", 0);
    if (m_place.countryCode != "US" || chance >= 0.4) {
        return list;
    }
    const AlertKind* kind = &kThunderstorm;
    if (m_model.low(m_today) <= 28) {
        kind = &kWinterStorm;
    } else if (m_model.high(m_today) >= 90) {
        kind = &kHeat;
    } else if (m_place.coastal) {
        kind = &kCoastalFlood;
    }
    std::vector<const AlertKind*> kinds{kind};
    if (chance < 0.15) {
        kinds.push_back(&kWind);
    }
    std::string zone = fmt::format("{:03}", 1 + static_cast<int>(m_model.noise("zone", 0) * 180));
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const AlertKind& alert = *kinds[i];
        double ends = std::ceil(m_now / kHour) * kHour + (6 + static_cast<int>(m_model.noise("ends", i) * 30)) * kHour;
        long long endDay = m_model.time().dayNumber(ends);
        std::string until = clockText(m_model.time().localHours(ends)) + " " + PlaceTime::weekdayName(endDay);
        std::string etn = fmt::format("{:04}", 1 + static_cast<int>(m_model.noise("etn", i) * 200));
        list.push_back(Json{
            {"areaId", m_place.state + "Z" + zone},
            {"areaName", m_place.city + " Metro"},
            {"issueOffice", observationStation()},
            {"endTime", std::llround(ends)},
            {"etn", etn},
            {"phenomenaCode", alert.phenomena},
            {"severity", alert.severity},
            {"significance", alert.significance},
            {"headline", upper(alert.name) + " IN EFFECT UNTIL " + upper(until)},
            {"description", alert.name},
            {"textId", 10000 + static_cast<int>(m_model.noise("text", i) * 89999)},
            {"text", "...THE NATIONAL WEATHER SERVICE HAS ISSUED A " + upper(alert.name) + " FOR " +
                         upper(m_place.city) + " UNTIL " + upper(until) + "... " + alert.advice},
        });
    }
    return list;
}

WeatherAnswers::Json WeatherAnswers::pollen() const {
    Json list = Json::array();
    if (m_place.countryCode != "US") {
        return list;
    }
    for (int i = 0; i < 3; ++i) {
        long long day = m_today + i;
        int month = PlaceTime::civilDate(day).month;
        if (m_place.latitude < 0.0) {
            month = (month + 5) % 12 + 1;
        }
        bool cold = m_model.high(day) < 40;
        for (const std::string type : {"Tree", "Grass", "Weed"}) {
            double strength = pollenSeason(type, month) * (0.6 + 0.4 * m_model.noise("pollen" + type, day));
            int value = cold ? 0 : static_cast<int>(std::lround(strength * 4.0));
            list.push_back(Json{{"day", Json{
                                            {"value", value},
                                            {"description", pollenDescription(value)},
                                            {"indexType", type},
                                            {"dateTime", std::llround(m_model.time().instantAt(day, 7.0))},
                                        }}});
        }
    }
    return list;
}

}  // namespace qovsim
