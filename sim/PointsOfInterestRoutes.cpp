#include "sim/PointsOfInterestRoutes.h"

#include <charconv>
#include <cmath>
#include <ctime>
#include <map>
#include <optional>
#include <utility>

#include <fmt/format.h>

#include "sim/LandMask.h"
#include "sim/ServiceKey.h"
#include "sim/TileAddress.h"
#include "sim/WeatherAnswers.h"

namespace qovsim {

namespace {

using Json = WeatherAnswers::Json;

// A tile has two to six generated points of a kind; each is put at the first of a few spots on land (none: the
// point is left out).
constexpr int kFewestPoints = 2;
constexpr int kMostPoints = 6;
constexpr int kSpotTries = 8;
// Points are numbered by their tile's place in a block of 8 x 8 tiles, so that no two points of a kind named after
// the same city share a number among any 8 x 8 tiles of a level, more than a screen shows.
constexpr long long kNumberingBlock = 8;

struct TileBounds {
    double north;
    double south;
    double west;
    double east;

    bool contains(double latitude, double longitude) const {
        return latitude <= north && latitude > south && longitude >= west && longitude < east;
    }
};

// The tile a quadkey names. Points are asked for tile by tile below the whole world: the level-0 tile (the empty
// key), which would list every place, is refused like a key that names no tile.
std::optional<TileAddress> tileOf(const std::string& quadKey) {
    const auto tile = TileAddress::fromQuadKey(quadKey);
    if (!tile || tile->level == 0) {
        return std::nullopt;
    }
    return tile;
}

TileBounds boundsOf(const TileAddress& tile) {
    const double tiles = std::ldexp(1.0, tile.level);
    const auto fraction = [tiles](long long index) { return static_cast<double>(index) / tiles; };
    return TileBounds{TileAddress::latitudeOf(fraction(tile.y)), TileAddress::latitudeOf(fraction(tile.y + 1)),
                      TileAddress::longitudeOf(fraction(tile.x)), TileAddress::longitudeOf(fraction(tile.x + 1))};
}

const char* kindName(int type) {
    switch (type) {
        case 1: return "";
        case 5: return "Golf Club";
        case 9: return "Airport";
        case 17: return "High School";
        case 19: return "Park";
        case 21: return "Lake";
        default: return nullptr;
    }
}

std::string dump(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

// What the points near one gazetteer city share: its temperature and whether an alert is in force there.
struct NearbyWeather {
    int temperature = 0;
    bool severe = false;
};

class TileAnswer {
public:
    TileAnswer(const SimEnvironment& environment, std::string quadKey, int type, const TileAddress& tile)
        : m_environment(environment),
          m_quadKey(std::move(quadKey)),
          m_type(type),
          m_tile(tile),
          m_bounds(boundsOf(tile)),
          m_now(std::floor(environment.now().secondsSince1970)) {}

    Json points() {
        Json list = Json::array();
        const Gazetteer& gazetteer = m_environment.gazetteer();
        if (m_type == 1) {
            for (const Place& place : gazetteer.places()) {
                if (place.type == 1 && m_bounds.contains(place.latitude, place.longitude)) {
                    list.push_back(point(place.key, place.city, place.latitude, place.longitude, place));
                }
            }
        }
        const double centreLatitude = (m_bounds.north + m_bounds.south) / 2.0;
        const double centreLongitude = (m_bounds.west + m_bounds.east) / 2.0;
        const Place* nearest = gazetteer.nearest(centreLatitude, centreLongitude, 1);
        if (nearest == nullptr) {
            return list;
        }
        const WeatherModel model(*nearest);
        const std::string purpose = fmt::format("poi:{}:{}", m_quadKey, m_type);
        const int count = kFewestPoints + static_cast<int>(model.noise(purpose, 0) * (kMostPoints - kFewestPoints + 1));
        const long long blockCell = m_tile.y % kNumberingBlock * kNumberingBlock + m_tile.x % kNumberingBlock;
        for (int index = 1; index <= count; ++index) {
            const auto spot = landSpot(model, purpose, index);
            if (!spot) {
                continue;
            }
            const auto [latitude, longitude] = *spot;
            const Place* near = gazetteer.nearest(latitude, longitude, 1);
            const long long number = blockCell * kMostPoints + index;
            std::string name = m_type == 1 ? fmt::format("{} Heights {}", near->city, number)
                                           : fmt::format("{} {} {}", near->city, kindName(m_type), number);
            list.push_back(point(fmt::format("{}-{}-{}", m_type, m_quadKey, index), std::move(name), latitude,
                                 longitude, *near, static_cast<int>(model.noise(purpose, index * 3 + 2) * 7.0) - 3));
        }
        return list;
    }

private:
    // The first of a few spots inside the tile that lies on land; nullopt when all are in water.
    std::optional<std::pair<double, double>> landSpot(const WeatherModel& model, const std::string& purpose,
                                                      int index) const {
        for (int attempt = 0; attempt < kSpotTries; ++attempt) {
            const long long counter = (static_cast<long long>(index) * kSpotTries + attempt) * 2;
            const double latitude = m_bounds.south + (m_bounds.north - m_bounds.south) *
                                                         (0.05 + 0.9 * model.noise(purpose + ":spot", counter));
            const double longitude = m_bounds.west + (m_bounds.east - m_bounds.west) *
                                                         (0.05 + 0.9 * model.noise(purpose + ":spot", counter + 1));
            if (LandMask::shared().isLand(latitude, longitude)) {
                return std::pair(latitude, longitude);
            }
        }
        return std::nullopt;
    }

    Json point(const std::string& id, std::string name, double latitude, double longitude, const Place& near,
               int offset = 0) {
        const NearbyWeather& weather = weatherNear(near);
        return Json{{"locType", m_type},
                    {"id", id},
                    {"dnam", std::move(name)},
                    {"lat", fmt::format("{:.4f}", latitude)},
                    {"lng", fmt::format("{:.4f}", longitude)},
                    {"last_updated", lastUpdated()},
                    {"severe", weather.severe ? "true" : "false"},
                    {"tmp", std::to_string(weather.temperature + offset)}};
    }

    const NearbyWeather& weatherNear(const Place& place) {
        auto found = m_weather.find(&place);
        if (found == m_weather.end()) {
            const WeatherAnswers answers(place, m_environment.gazetteer(), platform::Date{m_now});
            const WeatherModel model(place);
            NearbyWeather weather{static_cast<int>(std::lround(model.sample(m_now).temperature)),
                                  !answers.weatherAlerts().empty()};
            found = m_weather.emplace(&place, weather).first;
        }
        return found->second;
    }

    // The observation time: now, to the five minutes before, in UTC.
    std::string lastUpdated() const {
        const auto seconds = static_cast<std::time_t>(m_now - std::fmod(m_now, 300.0));
        std::tm utc{};
        gmtime_r(&seconds, &utc);
        return fmt::format("{:04}-{:02}-{:02} {:02}:{:02}", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                           utc.tm_hour, utc.tm_min);
    }

    const SimEnvironment& m_environment;
    std::string m_quadKey;
    int m_type;
    TileAddress m_tile;
    TileBounds m_bounds;
    double m_now;
    std::map<const Place*, NearbyWeather> m_weather;
};

SimResponse pointsOfInterest(const SimEnvironment& environment, const SimRequest& request) {
    const std::string quadKey = request.queryValue("where");
    const auto tile = tileOf(quadKey);
    if (!tile) {
        return SimResponse::json(dump(WeatherAnswers::errorRecord(quadKey)));
    }
    const std::string what = request.queryValue("what");
    int type = 0;
    const auto [end, error] = std::from_chars(what.data(), what.data() + what.size(), type);
    if (error != std::errc() || end != what.data() + what.size() || kindName(type) == nullptr) {
        return SimResponse::json("[]");
    }
    return SimResponse::json(dump(TileAnswer(environment, quadKey, type, *tile).points()));
}

}  // namespace

void addPointsOfInterestRoutes(Router& router, const SimEnvironment& environment) {
    router.get("/wxdata/wxdata/bytile/get.js", [&environment](const SimRequest& request) {
        return ServiceKey::accepts(request) ? pointsOfInterest(environment, request) : ServiceKey::refusal();
    });
}

}  // namespace qovsim
