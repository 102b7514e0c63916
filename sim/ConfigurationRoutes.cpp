#include "sim/ConfigurationRoutes.h"

#include <atomic>
#include <memory>
#include <string>
#include <utility>

#include <nlohmann/json.hpp>

#include "platform/storage/Bundle.h"
#include "sim/ServiceKey.h"

namespace qovsim {

namespace {

using Json = nlohmann::ordered_json;

// The social feature's remote kill switches, as the "common" configuration serves them.
struct SocialSwitches {
    std::atomic<bool> killAll{false};
    std::atomic<bool> killCompose{false};

    Json toJson() const {
        return Json{{"killall", killAll ? "true" : "false"}, {"killcompose", killCompose ? "true" : "false"}};
    }
};

Json configuration(const std::string& applicationId, const std::string& locale, const SocialSwitches& social) {
    Json document{{"appid", applicationId}, {"locale", locale.empty() ? "en_US" : locale}, {"classId", "iphone"}};
    if (applicationId == "common") {
        document["swagger"] = social.toJson();
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
    auto social = std::make_shared<SocialSwitches>();
    router.get(R"(/wxdata/mobile/configuration/([^/]+)\.js)", [social](const SimRequest& request) {
        if (!ServiceKey::accepts(request)) {
            return ServiceKey::refusal();
        }
        return SimResponse::json(configuration(request.captures.at(0), request.queryValue("locale"), *social)
                                     .dump(-1, ' ', false, Json::error_handler_t::replace));
    });
    router.get("/admin/configuration",
               [social](const SimRequest&) { return SimResponse::json(social->toJson().dump()); });
    // "?killall=true|false&killcompose=true|false": either may be left out.
    router.add("POST", "/admin/configuration", [social](const SimRequest& request) {
        for (const auto& [name, flag] :
             {std::pair{"killall", &social->killAll}, {"killcompose", &social->killCompose}}) {
            const std::string value = request.queryValue(name);
            if (value == "true" || value == "false") {
                flag->store(value == "true");
            } else if (!value.empty()) {
                return SimResponse::text(std::string(name) + " must be true or false", 400);
            }
        }
        return SimResponse::json(social->toJson().dump());
    });
}

}  // namespace qovsim
