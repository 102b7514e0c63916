#include "sim/AdminRoutes.h"

#include <nlohmann/json.hpp>

namespace qovsim {

namespace {

nlohmann::json parametersToJson(const SimRequest::Parameters& parameters) {
    nlohmann::json object = nlohmann::json::object();
    for (const auto& [name, value] : parameters) {
        if (!object.contains(name)) {
            object[name] = value;
        }
    }
    return object;
}

SimResponse addFaults(FaultSet& faults, const SimRequest& request) {
    nlohmann::json json = nlohmann::json::parse(request.body, nullptr, false);
    std::vector<Fault> parsed;
    for (const nlohmann::json& item : json.is_array() ? json : nlohmann::json::array({json})) {
        auto fault = Fault::fromJson(item);
        if (!fault) {
            return SimResponse::text("bad fault", 400);
        }
        parsed.push_back(std::move(*fault));
    }
    for (Fault& fault : parsed) {
        faults.add(std::move(fault));
    }
    return SimResponse::text("ok");
}

}  // namespace

void addAdminRoutes(Router& router, FaultSet& faults, RequestLog& log) {
    router.get("/admin/faults", [&faults](const SimRequest&) {
        nlohmann::json list = nlohmann::json::array();
        for (const Fault& fault : faults.faults()) {
            list.push_back(fault.toJson());
        }
        return SimResponse::json(list.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
    });
    router.add("POST", "/admin/faults", [&faults](const SimRequest& request) { return addFaults(faults, request); });
    router.add("DELETE", "/admin/faults", [&faults](const SimRequest& request) {
        auto pattern = request.query.find("pattern");
        if (pattern == request.query.end()) {
            faults.clear();
        } else {
            faults.remove(pattern->second);
        }
        return SimResponse::text("ok");
    });
    router.get("/admin/requests", [&log](const SimRequest&) {
        nlohmann::json list = nlohmann::json::array();
        for (const SimRequest& request : log.snapshot()) {
            list.push_back({{"method", request.method},
                            {"path", request.path},
                            {"query", parametersToJson(request.query)},
                            {"form", parametersToJson(request.form)}});
        }
        return SimResponse::json(list.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
    });
    router.add("DELETE", "/admin/requests", [&log](const SimRequest&) {
        log.clear();
        return SimResponse::text("ok");
    });
}

}  // namespace qovsim
