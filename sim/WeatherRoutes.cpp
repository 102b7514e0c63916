#include "sim/WeatherRoutes.h"

#include <charconv>
#include <functional>
#include <optional>

#include "sim/WeatherAnswers.h"
#include "sim/ServiceKey.h"

namespace qovsim {

namespace {

using Document = std::function<WeatherAnswers::Json(const WeatherAnswers&)>;

// The place an identifier "KEY:TYPE" names, if the gazetteer holds it.
const Place* findPlace(const Gazetteer& gazetteer, const std::string& identifier) {
    auto colon = identifier.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return nullptr;
    }
    std::string_view typeText = std::string_view(identifier).substr(colon + 1);
    int type = 0;
    auto [end, error] = std::from_chars(typeText.data(), typeText.data() + typeText.size(), type);
    if (error != std::errc() || end != typeText.data() + typeText.size() || type == 0) {
        return nullptr;
    }
    return gazetteer.findByKey(std::string_view(identifier).substr(0, colon), type);
}

std::string dump(const WeatherAnswers::Json& json) {
    return json.dump(-1, ' ', false, WeatherAnswers::Json::error_handler_t::replace);
}

Router::Handler documentHandler(const SimEnvironment& environment, Document document) {
    return [&environment, document = std::move(document)](const SimRequest& request) {
        if (!ServiceKey::accepts(request)) {
            return ServiceKey::refusal();
        }
        const std::string& identifier = request.captures.at(0);
        const Place* place = findPlace(environment.gazetteer(), identifier);
        if (place == nullptr) {
            return SimResponse::json(dump(WeatherAnswers::errorRecord(identifier)));
        }
        WeatherAnswers answers(*place, environment.gazetteer(), environment.now());
        return SimResponse::json(dump(document(answers)));
    };
}

}  // namespace

void addWeatherRoutes(Router& router, const SimEnvironment& environment) {
    // Identifiers hold a colon, which keeps other commands of the same folders ("get.js") free for their routes.
    const std::string identifier = R"(([^/]*:[^/]*)\.js)";
    router.get("/wxdata/mobile/mobagg/" + identifier,
               documentHandler(environment, [](const WeatherAnswers& a) { return a.aggregate(); }));
    router.get("/wxdata/loc/" + identifier,
               documentHandler(environment, [](const WeatherAnswers& a) { return a.locationOnly(); }));
    router.get("/wxdata/marine/" + identifier,
               documentHandler(environment, [](const WeatherAnswers& a) { return a.marine(); }));
}

}  // namespace qovsim
