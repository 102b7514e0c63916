#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

namespace qovsim {

// A misbehaviour the stand-in service applies to every request whose path matches the pattern.
// The pattern is a glob over the path without its query: '*' matches any run of characters ('/' included),
// '?' any one character; "*" matches every request.
struct Fault {
    std::string pathPattern = "*";
    double delaySeconds = 0.0;    // wait this long before answering
    int status = 0;               // answer this status instead of the handler's (0: keep it)
    bool truncateBody = false;    // send only the first half of the body (the length header matches it)
    bool malformBody = false;     // wrap the body in characters no JSON or XML reader accepts
    bool dropConnection = false;  // close the connection without any answer
    std::string answerPath{};     // answer as a request for this path would be answered (empty: its own path)

    bool matches(std::string_view path) const;

    // {"pathPattern": "...", "delaySeconds": 1.5, "status": 503, "truncateBody": true, ...}; absent members keep
    // their defaults. Answers nullopt for anything else (wrong kinds, a negative delay, a status outside 100-599).
    static std::optional<Fault> fromJson(const nlohmann::json& json);
    nlohmann::json toJson() const;
};

// Whether the glob pattern matches the whole text.
bool globMatches(std::string_view pattern, std::string_view text);

}  // namespace qovsim
