#include "sim/StormRoutes.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <memory>
#include <numbers>

#include <fmt/format.h>
#include <nlohmann/json.hpp>

#include "sim/PlaceTime.h"
#include "sim/ServiceKey.h"
#include "sim/WeatherModel.h"

namespace qovsim {

namespace {

using Json = nlohmann::ordered_json;

constexpr int kMostStorms = 2;
constexpr double kAdvisoryInterval = 3 * 3600.0;
constexpr double kEarthRadiusMiles = 3958.8;

// One storm's repeating track: it forms at the start point, strengthens to its peak wind at mid-track and
// weakens again at the end point, then a new storm forms.
struct Track {
    const char* basin;     // "AL" or "EP"
    const char* names[4];  // the names of successive storms
    double startLatitude;
    double startLongitude;
    double endLatitude;
    double endLongitude;
    double days;        // how long one storm lasts
    double offsetDays;  // where the first storm of 1970 began
    double peakWind;    // mph
};

constexpr Track kTracks[kMostStorms] = {
    {"AL", {"Odette", "Peter", "Rose", "Sam"}, 14.0, -42.0, 31.0, -79.0, 10.0, 0.0, 125.0},
    {"EP", {"Kiko", "Lorena", "Mario", "Narda"}, 12.0, -98.0, 21.0, -124.0, 7.0, 3.0, 85.0},
};

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

double milesBetween(double latitude1, double longitude1, double latitude2, double longitude2) {
    const double a = std::pow(std::sin(radians(latitude2 - latitude1) / 2.0), 2.0) +
                     std::cos(radians(latitude1)) * std::cos(radians(latitude2)) *
                         std::pow(std::sin(radians(longitude2 - longitude1) / 2.0), 2.0);
    return 2.0 * kEarthRadiusMiles * std::asin(std::min(1.0, std::sqrt(a)));
}

// Initial bearing from the first point to the second, degrees clockwise from north.
int bearingBetween(double latitude1, double longitude1, double latitude2, double longitude2) {
    const double y = std::sin(radians(longitude2 - longitude1)) * std::cos(radians(latitude2));
    const double x =
        std::cos(radians(latitude1)) * std::sin(radians(latitude2)) -
        std::sin(radians(latitude1)) * std::cos(radians(latitude2)) * std::cos(radians(longitude2 - longitude1));
    const double degrees = std::atan2(y, x) * 180.0 / std::numbers::pi;
    return static_cast<int>(std::lround(std::fmod(degrees + 360.0, 360.0))) % 360;
}

std::string category(int wind) {
    if (wind < 39) {
        return "TD";
    }
    if (wind < 74) {
        return "TS";
    }
    if (wind < 96) {
        return "1";
    }
    if (wind < 111) {
        return "2";
    }
    if (wind < 130) {
        return "3";
    }
    return wind < 157 ? "4" : "5";
}

std::string utcHour(double instant) {
    const auto hour = static_cast<long long>(std::fmod(instant, 86400.0) / 3600.0);
    return fmt::format("{:02}00 UTC", hour);
}

Json storm(const Track& track, const Gazetteer& gazetteer, double now) {
    const double reportTime = std::floor(now / kAdvisoryInterval) * kAdvisoryInterval;
    const double elapsedDays = reportTime / 86400.0 + track.offsetDays;
    const auto number = static_cast<long long>(std::floor(elapsedDays / track.days));
    const double phase = elapsedDays / track.days - static_cast<double>(number);
    const double latitude = track.startLatitude + (track.endLatitude - track.startLatitude) * phase;
    const double longitude = track.startLongitude + (track.endLongitude - track.startLongitude) * phase;
    const int wind = static_cast<int>(std::lround(30.0 + (track.peakWind - 30.0) * std::sin(std::numbers::pi * phase)));
    const std::string cat = category(wind);
    const char* maxType = cat == "TD" ? "TD" : cat == "TS" ? "TS" : "HU";
    const char* kind = cat == "TD" ? "Tropical Depression" : cat == "TS" ? "Tropical Storm" : "Hurricane";
    const int year = PlaceTime::civilDate(static_cast<long long>(std::floor(reportTime / 86400.0))).year;
    const double trackMiles =
        milesBetween(track.startLatitude, track.startLongitude, track.endLatitude, track.endLongitude);
    const int heading = bearingBetween(latitude, longitude, track.endLatitude, track.endLongitude);

    Json near = Json::object();
    if (const Place* place = gazetteer.nearest(latitude, longitude, 1)) {
        const auto miles = std::lround(milesBetween(place->latitude, place->longitude, latitude, longitude));
        const int fromPlace = bearingBetween(place->latitude, place->longitude, latitude, longitude);
        near["distance"] = fmt::format("{} miles {} of {}", miles, WeatherModel::compassPoint(fromPlace), place->name);
    }
    return Json{
        {"id", fmt::format("{}{:02}{}", track.basin, number % 30 + 1, year)},
        {"name", fmt::format("{} {}", kind, track.names[number % 4])},
        {"isActive", "true"},
        {"reportTime", static_cast<long long>(reportTime)},
        {"nextUpdate", utcHour(reportTime + kAdvisoryInterval)},
        {"cat", cat},
        {"lat", std::round(latitude * 10.0) / 10.0},
        {"lng", std::round(longitude * 10.0) / 10.0},
        {"pressure", std::lround(1010.0 - (wind - 30) * 0.55)},
        {"wind", Json{{"speed", wind}, {"gusts", static_cast<int>(std::lround(wind * 1.25 / 5.0)) * 5}}},
        {"moving", Json{{"head", Json{{"deg", std::to_string(heading)}, {"cdnl", WeatherModel::compassPoint(heading)}}},
                        {"speed", static_cast<int>(std::lround(trackMiles / (track.days * 24.0)))}}},
        {"maxType", maxType},
        {"near", std::move(near)}};
}

}  // namespace

void addStormRoutes(Router& router, const SimEnvironment& environment) {
    auto active = std::make_shared<std::atomic<int>>(kMostStorms);
    router.get("/wxdata/currtrop/get.js", [&environment, active](const SimRequest& request) {
        if (!ServiceKey::accepts(request)) {
            return ServiceKey::refusal();
        }
        Json list = Json::array();
        const double now = std::floor(environment.now().secondsSince1970);
        for (int index = 0; index < active->load(); ++index) {
            list.push_back(storm(kTracks[index], environment.gazetteer(), now));
        }
        return SimResponse::json(list.dump(-1, ' ', false, Json::error_handler_t::replace));
    });
    router.get("/admin/storms", [active](const SimRequest&) {
        return SimResponse::json(Json{{"active", active->load()}}.dump());
    });
    router.add("POST", "/admin/storms", [active](const SimRequest& request) {
        const std::string value = request.queryValue("active");
        if (value.size() != 1 || value[0] < '0' || value[0] > '0' + kMostStorms) {
            return SimResponse::text("active must be 0 to 2", 400);
        }
        active->store(value[0] - '0');
        return SimResponse::json(Json{{"active", active->load()}}.dump());
    });
}

}  // namespace qovsim
