#include "sim/WeatherRoutes.h"

#include <functional>

#include "sim/ServiceKey.h"
#include "sim/WeatherAnswers.h"

namespace qovsim {

namespace {

using Document = std::function<WeatherAnswers::Json(const WeatherAnswers&)>;

std::string dump(const WeatherAnswers::Json& json) {
    return json.dump(-1, ' ', false, WeatherAnswers::Json::error_handler_t::replace);
}

Router::Handler documentHandler(const SimEnvironment& environment, Document document) {
    return [&environment, document = std::move(document)](const SimRequest& request) {
        if (!ServiceKey::accepts(request)) {
            return ServiceKey::refusal();
        }
        const std::string& identifier = request.captures.at(0);
        const Place* place = environment.gazetteer().findByIdentifier(identifier);
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
