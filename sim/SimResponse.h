#pragma once

#include <string>
#include <utility>

namespace qovsim {

// What a route handler answers.
struct SimResponse {
    int status = 200;
    std::string contentType = "text/plain";
    std::string body;

    static SimResponse text(std::string body, int status = 200) {
        return SimResponse{status, "text/plain", std::move(body)};
    }
    static SimResponse json(std::string body, int status = 200) {
        return SimResponse{status, "application/json", std::move(body)};
    }
};

}  // namespace qovsim
