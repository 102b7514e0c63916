#include "cli/display/DisplayRoutes.h"

#include <nlohmann/json.hpp>

#include "cli/display/DisplayPage.h"
#include "platform/ui/ScriptLine.h"

namespace qovcli {

namespace {

using Outcome = std::optional<std::string>;

// The most quick taps in a row a click may end.
constexpr std::uint64_t kMostTaps = 5;

const char* reason(int status) {
    switch (status) {
        case 200: return "OK";
        case 400: return "Bad Request";
        case 403: return "Forbidden";
        case 404: return "Not Found";
        case 413: return "Content Too Large";
        case 431: return "Request Header Fields Too Large";
        case 422: return "Unprocessable Content";
        case 503: return "Service Unavailable";
        default: return "Status";
    }
}

DisplayAnswer json(int status, const nlohmann::json& body) {
    return {status, "application/json", body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)};
}

DisplayAnswer malformed() { return json(400, {{"error", "malformed request"}}); }

// Where the head ends (after its empty line; a bare LF is taken for CRLF); npos while it has not ended.
std::size_t endOfHead(std::string_view received) {
    constexpr std::string_view kEnd = "\r\n\r\n";
    constexpr std::string_view kBareEnd = "\n\n";
    const auto end = received.find(kEnd);
    const auto bareEnd = received.find(kBareEnd);
    if (end == std::string_view::npos && bareEnd == std::string_view::npos) {
        return std::string_view::npos;
    }
    return end < bareEnd ? end + kEnd.size() : bareEnd + kBareEnd.size();
}

std::optional<double> number(const DisplayRequest& request, const char* name) {
    const auto found = request.parameters.find(name);
    return found == request.parameters.end() ? std::nullopt : platform::ui::scriptNumber(found->second);
}

DisplayRoutes::Step input(const DisplayRequest& request) {
    if (request.path == "/tap") {
        const auto x = number(request, "x");
        const auto y = number(request, "y");
        const auto taps =
            request.parameters.count("taps") ? plainCount(request.parameter("taps")) : std::optional<std::uint64_t>(1);
        if (!x || !y || !taps || *taps < 1 || *taps > kMostTaps) {
            return malformed();
        }
        return DisplayRoutes::Input(
            [x = *x, y = *y, taps = static_cast<int>(*taps)](DisplayDevice& device) { return device.tap(x, y, taps); });
    }
    if (request.path == "/drag") {
        const auto x = number(request, "x");
        const auto y = number(request, "y");
        const auto dx = number(request, "dx");
        const auto dy = number(request, "dy");
        if (!x || !y || !dx || !dy) {
            return malformed();
        }
        return DisplayRoutes::Input(
            [x = *x, y = *y, dx = *dx, dy = *dy](DisplayDevice& device) { return device.drag(x, y, dx, dy); });
    }
    if (request.path == "/pinch") {
        const auto x = number(request, "x");
        const auto y = number(request, "y");
        const auto scale = number(request, "scale");
        if (!x || !y || !scale || !(*scale > 0.0)) {
            return malformed();
        }
        return DisplayRoutes::Input(
            [x = *x, y = *y, scale = *scale](DisplayDevice& device) { return device.pinch(x, y, scale); });
    }
    if (request.path == "/type") {
        if (request.body.empty()) {
            return malformed();
        }
        return DisplayRoutes::Input([text = request.body](DisplayDevice& device) { return device.type(text); });
    }
    if (request.path == "/key") {
        return DisplayRoutes::Input(
            [name = request.parameter("name")](DisplayDevice& device) { return device.key(name); });
    }
    if (request.path == "/button") {
        return DisplayRoutes::Input(
            [name = request.parameter("name")](DisplayDevice& device) { return device.press(name); });
    }
    return json(404, {{"error", "no such input"}});
}

}  // namespace

std::string DisplayAnswer::bytes() const {
    return "HTTP/1.1 " + std::to_string(status) + " " + reason(status) + "\r\nContent-Type: " + contentType +
           "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body;
}

std::optional<DisplayRoutes::Step> DisplayRoutes::read(std::string_view received, std::size_t largestHead,
                                                       std::size_t largestBody) const {
    const auto end = endOfHead(received);
    if (end == std::string_view::npos || end > largestHead) {
        if (received.size() > largestHead) {
            return Answer{431, "text/plain", "The request's head is too large.\n"};
        }
        return std::nullopt;
    }
    auto request = readDisplayRequestHead(received.substr(0, end));
    if (!request) {
        return malformed();
    }
    if (!m_access->admits(request->host, request->parameter("token"))) {
        return Answer{403, "text/plain", "Forbidden: open the address the runner printed.\n"};
    }
    if (request->contentLength > largestBody) {
        return json(413, {{"error", "the body is too large"}});
    }
    if (received.size() - end < request->contentLength) {
        return std::nullopt;
    }
    request->body = std::string(received.substr(end, request->contentLength));
    return route(*request);
}

DisplayRoutes::Step DisplayRoutes::route(const DisplayRequest& request) const {
    if (request.method == "GET") {
        if (request.path == "/") {
            return Answer{200, "text/html; charset=utf-8", std::string(displayPage())};
        }
        if (request.path == "/state") {
            const auto after = request.parameters.count("after") ? plainCount(request.parameter("after"))
                                                                 : std::optional<std::uint64_t>(0);
            if (!after) {
                return malformed();
            }
            return WaitForFrame{*after};
        }
        if (request.path == "/frame.png") {
            const auto frame = m_frames->latest();
            if (!frame) {
                return json(503, {{"error", "no frame yet"}});
            }
            return Answer{200, "image/png", frame->png};
        }
        return json(404, {{"error", "no such page"}});
    }
    if (request.method == "POST") {
        return input(request);
    }
    return json(404, {{"error", "no such page"}});
}

std::uint64_t DisplayRoutes::latestFrameNumber() const {
    const auto frame = m_frames->latest();
    return frame ? frame->number : 0;
}

DisplayAnswer DisplayRoutes::stateAnswer() const {
    const auto frame = m_frames->latest();
    if (!frame) {
        return json(503, {{"error", "no frame yet"}});
    }
    return Answer{200, "application/json", frame->state};
}

DisplayAnswer DisplayRoutes::inputAnswer(const std::optional<std::string>& outcome) {
    return outcome ? json(422, {{"error", *outcome}}) : json(200, {{"ok", true}});
}

}  // namespace qovcli
