#include "sim/SearchRoutes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <set>

#include "sim/ServiceKey.h"
#include "sim/WeatherAnswers.h"

namespace qovsim {

namespace {

using Json = WeatherAnswers::Json;

constexpr std::size_t kDefaultResults = 10;
constexpr std::size_t kMostResults = 100;

std::string dump(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

template <typename Number>
std::optional<Number> numberFrom(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// "4,1" → {4, 1}; nullopt when an entry is not a number.
std::optional<std::set<int>> typesFrom(std::string_view text) {
    std::set<int> types;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const auto type = numberFrom<int>(text.substr(0, comma));
        if (!type) {
            return std::nullopt;
        }
        types.insert(*type);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return types;
}

Json typeAheadError(const std::string& text) {
    return Json{{"errors", Json::array({Json{{"code", "400"}, {"text", text}}})}, {"results", Json::array()}};
}

SimResponse typeAhead(const SimEnvironment& environment, const SimRequest& request) {
    std::size_t maxResults = kDefaultResults;
    if (request.query.contains("max")) {
        const auto requested = numberFrom<std::size_t>(request.queryValue("max"));
        if (!requested) {
            return SimResponse::json(dump(typeAheadError("max is not a number")));
        }
        maxResults = std::min(*requested, kMostResults);
    }
    std::optional<std::set<int>> types = std::set<int>{};
    if (request.query.contains("locType")) {
        types = typesFrom(request.queryValue("locType"));
        if (!types) {
            return SimResponse::json(dump(typeAheadError("locType is not a list of numbers")));
        }
    }
    const Gazetteer& gazetteer = environment.gazetteer();
    Json results = Json::array();
    for (const Place* place : gazetteer.search(request.captures.at(0), gazetteer.places().size())) {
        if (results.size() >= maxResults) {
            break;
        }
        if (!types->empty() && !types->contains(place->type)) {
            continue;
        }
        results.push_back(Json{{"type", place->type},
                               {"key", place->key},
                               {"name", place->name},
                               {"city", place->city},
                               {"state", place->state},
                               {"zip", place->postalCode},
                               {"countryName", place->country},
                               {"country", place->countryCode}});
    }
    return SimResponse::json(dump(Json{{"errors", Json::array()}, {"results", std::move(results)}}));
}

SimResponse nearestLocation(const SimEnvironment& environment, const SimRequest& request) {
    const auto latitude = numberFrom<double>(request.queryValue("lat"));
    const auto longitude = numberFrom<double>(request.queryValue("lng"));
    const std::string asked = request.queryValue("lat") + "," + request.queryValue("lng");
    if (!latitude || !longitude || !std::isfinite(*latitude) || !std::isfinite(*longitude) ||
        std::fabs(*latitude) > 90.0 || std::fabs(*longitude) > 180.0) {
        return SimResponse::json(dump(WeatherAnswers::errorRecord(asked)));
    }
    const Place* place = environment.gazetteer().nearest(*latitude, *longitude, 1);
    if (place == nullptr) {
        return SimResponse::json(dump(WeatherAnswers::errorRecord(asked)));
    }
    return SimResponse::json(dump(WeatherAnswers(*place, environment.gazetteer(), environment.now()).locationOnly()));
}

}  // namespace

void addSearchRoutes(Router& router, const SimEnvironment& environment) {
    router.get(R"(/wxdata/ta/(.+)\.js)", [&environment](const SimRequest& request) {
        return ServiceKey::accepts(request) ? typeAhead(environment, request) : ServiceKey::refusal();
    });
    router.get("/wxdata/loc/get.js", [&environment](const SimRequest& request) {
        return ServiceKey::accepts(request) ? nearestLocation(environment, request) : ServiceKey::refusal();
    });
}

}  // namespace qovsim
