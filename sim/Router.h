#pragma once

#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "sim/SimRequest.h"
#include "sim/SimResponse.h"

namespace qovsim {

// Maps a method and a path to a handler. Each family of answers adds its routes in its own file
// (see the add...Routes functions); the server and the command line dispatch through the same router.
class Router {
public:
    using Handler = std::function<SimResponse(const SimRequest&)>;

    // pathPattern is an ECMAScript regular expression that must match the whole path; its groups become
    // SimRequest::captures. Routes are tried in the order they were added.
    void add(std::string method, const std::string& pathPattern, Handler handler);
    void get(const std::string& pathPattern, Handler handler) { add("GET", pathPattern, std::move(handler)); }

    // The first matching route's answer; 404 when no route matches, 500 when the handler throws (logged).
    // A HEAD request is served by the GET routes.
    SimResponse dispatch(const SimRequest& request) const;

private:
    struct Route {
        std::string method;
        std::regex pattern;
        Handler handler;
    };
    std::vector<Route> m_routes;
};

}  // namespace qovsim
