#include "cli/display/DisplayServer.h"

#include <chrono>
#include <functional>
#include <future>

#include <httplib.h>

#include "cli/display/DisplayPage.h"
#include "platform/base/RunLoop.h"
#include "platform/ui/ScriptLine.h"

namespace qovcli {

namespace {

using Outcome = std::optional<std::string>;

constexpr auto kLongestStateWait = std::chrono::seconds(20);
constexpr auto kLongestInputWait = std::chrono::seconds(10);
// Typing comes a key or a pasted line at a time.
constexpr std::size_t kLargestBody = 64 * 1024;

void answerJson(httplib::Response& response, int status, const nlohmann::json& body) {
    response.status = status;
    response.set_content(body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace), "application/json");
}

// Runs the input on the main thread and answers its outcome (or that the application did not take it in time).
Outcome onMainThread(std::function<Outcome()> input) {
    auto promise = std::make_shared<std::promise<Outcome>>();
    auto outcome = promise->get_future();
    platform::dispatchMain([promise, input = std::move(input)] { promise->set_value(input()); });
    if (outcome.wait_for(kLongestInputWait) != std::future_status::ready) {
        return "the application did not take the input in time";
    }
    return outcome.get();
}

std::optional<double> numberParameter(const httplib::Request& request, const char* name) {
    return request.has_param(name) ? platform::ui::scriptNumber(request.get_param_value(name)) : std::nullopt;
}

}  // namespace

std::unique_ptr<DisplayServer> DisplayServer::start(int port, std::shared_ptr<DisplayDevice> device,
                                                    std::shared_ptr<DisplayFrames> frames, std::ostream& err) {
    auto server = std::make_unique<httplib::Server>();
    const int bound = port == 0 ? server->bind_to_any_port("127.0.0.1") : (server->bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound <= 0) {
        err << "qovara: the display cannot listen on 127.0.0.1:" << port << "\n";
        return nullptr;
    }
    auto display = std::unique_ptr<DisplayServer>(
        new DisplayServer(std::move(server), bound, std::move(device), std::move(frames)));
    display->addRoutes();
    display->m_thread = std::thread([server = display->m_server.get()] { server->listen_after_bind(); });
    return display;
}

DisplayServer::DisplayServer(std::unique_ptr<httplib::Server> server, int port, std::shared_ptr<DisplayDevice> device,
                             std::shared_ptr<DisplayFrames> frames)
    : m_server(std::move(server)), m_port(port), m_access(std::make_unique<DisplayAccess>(port)),
      m_device(std::move(device)), m_frames(std::move(frames)) {}

DisplayServer::~DisplayServer() {
    m_frames->close();
    m_server->stop();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void DisplayServer::addRoutes() {
    m_server->set_payload_max_length(kLargestBody);
    m_server->set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        if (m_access->admits(request.get_header_value("Host"), request.get_param_value("token"))) {
            return httplib::Server::HandlerResponse::Unhandled;
        }
        response.status = 403;
        response.set_content("Forbidden: open the address the runner printed.\n", "text/plain");
        return httplib::Server::HandlerResponse::Handled;
    });
    m_server->Get("/", [](const httplib::Request&, httplib::Response& response) {
        response.set_header("Cache-Control", "no-store");
        response.set_content(displayPage(), "text/html; charset=utf-8");
    });
    m_server->Get("/state", [this](const httplib::Request& request, httplib::Response& response) {
        const auto after = numberParameter(request, "after").value_or(0.0);
        const auto frame = m_frames->newerThan(after > 0.0 ? static_cast<std::uint64_t>(after) : 0U,
                                               std::chrono::duration_cast<std::chrono::milliseconds>(kLongestStateWait));
        if (!frame) {
            answerJson(response, 503, {{"error", "no frame yet"}});
            return;
        }
        response.set_header("Cache-Control", "no-store");
        response.set_content(frame->state, "application/json");
    });
    m_server->Get("/frame.png", [this](const httplib::Request&, httplib::Response& response) {
        const auto frame = m_frames->latest();
        if (!frame) {
            answerJson(response, 503, {{"error", "no frame yet"}});
            return;
        }
        response.set_header("Cache-Control", "no-store");
        response.set_content(frame->png, "image/png");
    });

    // Input: the parameters are read here, the input runs on the main thread.
    const auto input = [this](const char* path, std::function<std::optional<std::function<Outcome(DisplayDevice&)>>(
                                                    const httplib::Request&)> read) {
        m_server->Post(path, [this, read](const httplib::Request& request, httplib::Response& response) {
            const auto action = read(request);
            if (!action) {
                answerJson(response, 400, {{"error", "malformed request"}});
                return;
            }
            const std::weak_ptr<DisplayDevice> device = m_device;
            const auto outcome = onMainThread([device, action = *action]() -> Outcome {
                const auto alive = device.lock();
                return alive ? action(*alive) : Outcome("the display has stopped");
            });
            if (outcome) {
                answerJson(response, 422, {{"error", *outcome}});
            } else {
                answerJson(response, 200, {{"ok", true}});
            }
        });
    };
    using Action = std::optional<std::function<Outcome(DisplayDevice&)>>;
    input("/tap", [](const httplib::Request& request) -> Action {
        const auto x = numberParameter(request, "x");
        const auto y = numberParameter(request, "y");
        if (!x || !y) {
            return std::nullopt;
        }
        return [x = *x, y = *y](DisplayDevice& device) { return device.tap(x, y); };
    });
    input("/drag", [](const httplib::Request& request) -> Action {
        const auto x = numberParameter(request, "x");
        const auto y = numberParameter(request, "y");
        const auto dx = numberParameter(request, "dx");
        const auto dy = numberParameter(request, "dy");
        if (!x || !y || !dx || !dy) {
            return std::nullopt;
        }
        return [x = *x, y = *y, dx = *dx, dy = *dy](DisplayDevice& device) { return device.drag(x, y, dx, dy); };
    });
    input("/pinch", [](const httplib::Request& request) -> Action {
        const auto x = numberParameter(request, "x");
        const auto y = numberParameter(request, "y");
        const auto scale = numberParameter(request, "scale");
        if (!x || !y || !scale || !(*scale > 0.0)) {
            return std::nullopt;
        }
        return [x = *x, y = *y, scale = *scale](DisplayDevice& device) { return device.pinch(x, y, scale); };
    });
    input("/type", [](const httplib::Request& request) -> Action {
        if (request.body.empty()) {
            return std::nullopt;
        }
        return [text = request.body](DisplayDevice& device) { return device.type(text); };
    });
    input("/key", [](const httplib::Request& request) -> Action {
        return [name = request.get_param_value("name")](DisplayDevice& device) { return device.key(name); };
    });
    input("/button", [](const httplib::Request& request) -> Action {
        return [name = request.get_param_value("name")](DisplayDevice& device) { return device.press(name); };
    });
}

}  // namespace qovcli
