#include "sim/SimServer.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <csignal>

#include <sys/socket.h>

#include <httplib.h>

#include "platform/base/Log.h"
#include "sim/AdminRoutes.h"
#include "sim/AnswerCoalescer.h"
#include "sim/ConfigurationRoutes.h"
#include "sim/ConnectionDropper.h"
#include "sim/HealthRoutes.h"
#include "sim/NewsRoutes.h"
#include "sim/PointsOfInterestRoutes.h"
#include "sim/SearchRoutes.h"
#include "sim/StatusRoutes.h"
#include "sim/StormRoutes.h"
#include "sim/TileServerRoutes.h"
#include "sim/TweetRoutes.h"
#include "sim/WeatherRoutes.h"

QOV_LOG_LEVEL(15)

namespace qovsim {

namespace {

constexpr const char* kLoopback = "127.0.0.1";

std::shared_ptr<const Gazetteer> loadGazetteer(const std::filesystem::path& dataDirectory) {
    return std::make_shared<const Gazetteer>(
        Gazetteer::load(dataDirectory.empty() ? Gazetteer::defaultDataDirectory() : dataDirectory));
}

SimRequest::Parameters parseParameters(const std::string& text) {
    httplib::Params parsed;
    if (!text.empty()) {
        httplib::detail::parse_query_text(text, parsed);
    }
    return SimRequest::Parameters(parsed.begin(), parsed.end());
}

SimRequest toSimRequest(const httplib::Request& request) {
    SimRequest sim;
    sim.method = request.method;
    sim.path = request.path;
    if (auto question = request.target.find('?'); question != std::string::npos) {
        sim.query = parseParameters(request.target.substr(question + 1));
    }
    sim.body = request.body;
    for (const auto& [name, value] : request.headers) {
        std::string lowerName = name;
        std::transform(lowerName.begin(), lowerName.end(), lowerName.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        sim.headers.emplace(std::move(lowerName), value);
    }
    std::string contentType = request.get_header_value("Content-Type");
    if (contentType.starts_with("application/x-www-form-urlencoded")) {
        sim.form = parseParameters(request.body);
    }
    return sim;
}

bool isAdminPath(const std::string& path) { return path.starts_with("/admin/"); }

}  // namespace

SimServer::SimServer() : SimServer(Options{}) {}

SimServer::SimServer(Options options)
    : m_environment(loadGazetteer(options.dataDirectory), std::move(options.clock)),
      m_threadCount(std::max<std::size_t>(options.threadCount, 2)),
      m_adminPaths(options.adminPaths) {
    addHealthRoutes(m_router);
    addAdminRoutes(m_router, m_faults, m_log);
    addWeatherRoutes(m_router, m_environment);
    addConfigurationRoutes(m_router);
    addSearchRoutes(m_router, m_environment);
    addPointsOfInterestRoutes(m_router, m_environment);
    addStormRoutes(m_router, m_environment);
    addTweetRoutes(m_router, m_environment);
    addNewsRoutes(m_router, m_environment);
    addStatusRoutes(m_router);
    addTileServerRoutes(m_router, m_environment);
}

SimServer::~SimServer() { stop(); }

std::string SimServer::baseUrl() const { return "http://" + std::string(kLoopback) + ":" + std::to_string(m_port); }

bool SimServer::start(int port) {
    if (m_http) {
        return true;
    }
    std::signal(SIGPIPE, SIG_IGN);
    {
        std::lock_guard lock(m_stopMutex);
        m_stopping = false;
    }
    auto http = std::make_unique<httplib::Server>();
    std::size_t threads = m_threadCount;
    http->new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    http->set_keep_alive_max_count(kRequestsPerConnection);
    http->set_keep_alive_timeout(kIdleSeconds);
    http->set_read_timeout(kReadTimeOutSeconds, 0);
    // Address reuse only: the library's default also shares the port, which would let two services listen on
    // the same chosen port.
    auto listeningSocket = std::make_shared<socket_t>(-1);
    http->set_socket_options([listeningSocket](socket_t socket) {
        int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
        AnswerCoalescer::setUpListeningSocket(socket);
        *listeningSocket = socket;
    });
    http->set_logger([](const httplib::Request&, const httplib::Response&) { AnswerCoalescer::release(); });
    auto handler = [this](const httplib::Request& request, httplib::Response& response) {
        bool dropConnection = false;
        SimResponse answer = serve(toSimRequest(request), dropConnection);
        if (dropConnection) {
            if (!ConnectionDropper::drop(request.local_port, request.remote_addr, request.remote_port)) {
                QOV_LOG_WARN("Could not drop the connection for {}", request.path);
            }
        }
        AnswerCoalescer::hold(request);
        response.status = answer.status;
        response.set_content(answer.body, answer.contentType);
    };
    http->Get(".*", handler);
    http->Post(".*", handler);
    http->Put(".*", handler);
    http->Patch(".*", handler);
    http->Delete(".*", handler);
    http->Options(".*", handler);

    int bound = port == 0 ? http->bind_to_any_port(kLoopback) : (http->bind_to_port(kLoopback, port) ? port : -1);
    if (bound <= 0) {
        QOV_LOG_ERROR("Cannot listen on {}:{}", kLoopback, port);
        return false;
    }
    m_port = bound;
    // The library listens with a queue of five; a map asking for all its tiles at once opens many more
    // connections together, and a service takes them all without making the extra ones retry.
    if (::listen(*listeningSocket, SOMAXCONN) != 0) {
        QOV_LOG_WARN("Cannot widen the listening queue on port {}", m_port);
    }
    auto listenReturned = std::make_shared<std::atomic<bool>>(false);
    httplib::Server* server = http.get();
    m_listener = std::thread([server, listenReturned] {
        server->listen_after_bind();
        *listenReturned = true;
    });
    // stop() only interrupts a server whose accept loop has begun, so wait for it.
    while (!server->is_running() && !*listenReturned) {
        std::this_thread::yield();
    }
    if (*listenReturned) {
        m_listener.join();
        QOV_LOG_ERROR("The server on port {} stopped at once", m_port);
        return false;
    }
    m_http = std::move(http);
    return true;
}

void SimServer::stop() {
    if (!m_http) {
        return;
    }
    {
        std::lock_guard lock(m_stopMutex);
        m_stopping = true;
    }
    m_stopCondition.notify_all();
    m_http->stop();
    ConnectionDropper::dropAll(m_port);
    if (m_listener.joinable()) {
        m_listener.join();
    }
    m_http.reset();
}

SimResponse SimServer::serve(const SimRequest& request, bool& dropConnection) {
    if (isAdminPath(request.path)) {
        return m_adminPaths ? m_router.dispatch(request) : SimResponse::text("not found", 404);
    }
    m_log.append(request);
    auto fault = m_faults.match(request.path);
    if (!fault) {
        return m_router.dispatch(request);
    }
    if (fault->delaySeconds > 0.0) {
        waitUnlessStopped(fault->delaySeconds);
    }
    if (fault->dropConnection) {
        dropConnection = true;
        return SimResponse::text("", 500);
    }
    SimRequest routed = request;
    if (!fault->answerPath.empty()) {
        routed.path = fault->answerPath;
    }
    SimResponse answer = m_router.dispatch(routed);
    if (fault->status != 0) {
        answer.status = fault->status;
    }
    if (fault->truncateBody) {
        answer.body.resize(answer.body.size() / 2);
    }
    if (fault->malformBody) {
        answer.body = "}<" + answer.body + "\"\x01";
    }
    return answer;
}

void SimServer::waitUnlessStopped(double seconds) {
    constexpr double kLongestDelay = 24 * 3600.0;
    auto duration = std::chrono::milliseconds(static_cast<long long>(std::min(seconds, kLongestDelay) * 1000.0));
    std::unique_lock lock(m_stopMutex);
    m_stopCondition.wait_for(lock, duration, [this] { return m_stopping; });
}

}  // namespace qovsim
