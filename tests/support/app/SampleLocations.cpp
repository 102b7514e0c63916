#include "tests/support/app/SampleLocations.h"

#include "app/core/model/QOVModelFactory.h"
#include "platform/storage/Bundle.h"
#include "sim/SimServer.h"

namespace qovtest {

namespace {

std::string answer(const qovsim::SimServer& sim, const std::string& path) {
    qovsim::SimRequest request;
    request.path = path;
    const auto key = platform::Bundle::main().objectForInfoDictionaryKey("DS2APIKey");
    request.query.emplace("key", key.ifString() ? *key.ifString() : "");
    return sim.respond(request).body;
}

}  // namespace

std::shared_ptr<qov::QOVLocation> sampleLocation(const std::string& key,
                                                 const std::shared_ptr<platform::Clock>& clock) {
    qovsim::SimServer::Options options;
    options.clock = clock;
    const qovsim::SimServer sim(options);
    const auto factory = qov::QOVModelFactory::sharedInstance();
    auto location = factory->modelUsingJSON(answer(sim, "/wxdata/mobile/mobagg/" + key + ":1.js"));
    if (location && location->loadMarineData()) {
        location->setBeachAndBoatForecast(
            factory->beachAndBoatForecastFromJSON(answer(sim, "/wxdata/marine/" + key + ":1.js")));
    }
    return location;
}

}  // namespace qovtest
