#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace qovsim {

// One request as the stand-in service sees it: what the router dispatches on and what the request log keeps.
struct SimRequest {
    using Parameters = std::multimap<std::string, std::string, std::less<>>;

    std::string method = "GET";
    std::string path;    // decoded, without the query
    Parameters query;    // decoded query parameters
    Parameters form;     // decoded fields of an application/x-www-form-urlencoded body
    Parameters headers;  // request headers, names in lower case
    std::string body;
    std::vector<std::string> captures;  // the route pattern's groups, filled by the router

    // The first value of the named parameter, or the empty text.
    std::string queryValue(std::string_view name) const { return firstValue(query, name); }
    std::string formValue(std::string_view name) const { return firstValue(form, name); }
    // The first value of the header; name in lower case.
    std::string headerValue(std::string_view name) const { return firstValue(headers, name); }

private:
    static std::string firstValue(const Parameters& parameters, std::string_view name) {
        auto it = parameters.find(name);
        return it == parameters.end() ? std::string() : it->second;
    }
};

}  // namespace qovsim
