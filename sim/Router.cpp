#include "sim/Router.h"

#include <exception>

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qovsim {

void Router::add(std::string method, const std::string& pathPattern, Handler handler) {
    m_routes.push_back(Route{std::move(method), std::regex(pathPattern), std::move(handler)});
}

SimResponse Router::dispatch(const SimRequest& request) const {
    const std::string& method = request.method == "HEAD" ? std::string("GET") : request.method;
    for (const Route& route : m_routes) {
        std::smatch match;
        if (route.method != method || !std::regex_match(request.path, match, route.pattern)) {
            continue;
        }
        SimRequest routed = request;
        routed.captures.clear();
        for (std::size_t i = 1; i < match.size(); ++i) {
            routed.captures.push_back(match[i].str());
        }
        try {
            return route.handler(routed);
        } catch (const std::exception& e) {
            QOV_LOG_ERROR("Handler for {} {} failed: {}", request.method, request.path, e.what());
            return SimResponse::text("internal error", 500);
        }
    }
    return SimResponse::text("not found", 404);
}

}  // namespace qovsim
