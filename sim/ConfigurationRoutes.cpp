#include "sim/ConfigurationRoutes.h"

#include <nlohmann/json.hpp>

#include "platform/storage/Bundle.h"
#include "sim/ServiceKey.h"

namespace qovsim {

namespace {

using Json = nlohmann::ordered_json;

Json configuration(const std::string& applicationId, const std::string& locale) {
    Json document{{"appid", applicationId}, {"locale", locale.empty() ? "en_US" : locale}, {"classId", "iphone"}};
    if (applicationId == "common") {
        document["swagger"] = Json{{"killall", "false"}, {"killcompose", "false"}};
        return document;
    }
    const std::string version =
        platform::Bundle::main().objectForInfoDictionaryKey("CFBundleShortVersionString").stringValue("1.0");
    document["siteStats"] = Json{{"killall", "false"}};
    document["latest"] = Json{{"ios", "5.0"}, {"app", version}, {"forceupg", "false"}};
    document["inseason"] = Json{{"url", "https://www.example.com/inseason/index.html"},
                                {"icon", "https://www.example.com/inseason/tabbar-icon-inseason.png"}};
    document["extraads"] = Json{{"forecast", "false"}};
    document["diag"] = Json{{"autorate", "true"},
                            {"userMessage", "If you enjoy using Qovara, would you mind taking a moment to rate it?"},
                            {"daysUntilPrompt", "3"},
                            {"usesUntilPrompt", "10"},
                            {"eventsUntilPrompt", "5"}};
    return document;
}

}  // namespace

void addConfigurationRoutes(Router& router) {
    router.get(R"(/wxdata/mobile/configuration/([^/]+)\.js)", [](const SimRequest& request) {
        if (!ServiceKey::accepts(request)) {
            return ServiceKey::refusal();
        }
        return SimResponse::json(
            configuration(request.captures.at(0), request.queryValue("locale")).dump(-1, ' ', false,
                                                                                   Json::error_handler_t::replace));
    });
}

}  // namespace qovsim
