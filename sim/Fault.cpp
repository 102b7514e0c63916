#include "sim/Fault.h"

#include <cmath>

#include <nlohmann/json.hpp>

namespace qovsim {

bool globMatches(std::string_view pattern, std::string_view text) {
    // Iterative matcher with one backtrack point per '*': linear in practice, no recursion on hostile input.
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t starPattern = std::string_view::npos;
    std::size_t starText = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starText = t;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool Fault::matches(std::string_view path) const { return globMatches(pathPattern, path); }

std::optional<Fault> Fault::fromJson(const nlohmann::json& json) {
    if (!json.is_object()) {
        return std::nullopt;
    }
    Fault fault;
    auto readBool = [&json](const char* name, bool& target) {
        auto it = json.find(name);
        if (it == json.end()) {
            return true;
        }
        if (!it->is_boolean()) {
            return false;
        }
        target = it->get<bool>();
        return true;
    };
    if (auto it = json.find("pathPattern"); it != json.end()) {
        if (!it->is_string()) {
            return std::nullopt;
        }
        fault.pathPattern = it->get<std::string>();
    }
    if (auto it = json.find("delaySeconds"); it != json.end()) {
        if (!it->is_number() || !std::isfinite(it->get<double>()) || it->get<double>() < 0.0) {
            return std::nullopt;
        }
        fault.delaySeconds = it->get<double>();
    }
    if (auto it = json.find("status"); it != json.end()) {
        if (!it->is_number_integer() || it->get<long long>() < 0 || it->get<long long>() > 599 ||
            (it->get<long long>() != 0 && it->get<long long>() < 100)) {
            return std::nullopt;
        }
        fault.status = it->get<int>();
    }
    if (auto it = json.find("answerPath"); it != json.end()) {
        if (!it->is_string()) {
            return std::nullopt;
        }
        fault.answerPath = it->get<std::string>();
    }
    if (!readBool("truncateBody", fault.truncateBody) || !readBool("malformBody", fault.malformBody) ||
        !readBool("dropConnection", fault.dropConnection)) {
        return std::nullopt;
    }
    return fault;
}

nlohmann::json Fault::toJson() const {
    return {{"pathPattern", pathPattern},   {"delaySeconds", delaySeconds}, {"status", status},
            {"truncateBody", truncateBody}, {"malformBody", malformBody},   {"dropConnection", dropConnection},
            {"answerPath", answerPath}};
}

}  // namespace qovsim
