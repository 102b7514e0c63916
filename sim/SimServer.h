#pragma once

#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/Clock.h"
#include "sim/FaultSet.h"
#include "sim/RequestLog.h"
#include "sim/Router.h"
#include "sim/SimEnvironment.h"

namespace httplib {
class Server;
}

namespace qovsim {

// The stand-in weather data service and tile server: an HTTP server on the loopback interface that answers
// from the router, records every request and applies the faults in force. Tests run one in-process per test;
// the qovara-sim executable runs one until it is signalled.
//
// Connections: each is served on one worker thread for its whole life. A kept-alive connection serves up to
// kRequestsPerConnection requests; one that stays idle between requests for kIdleSeconds, or stalls for
// kReadTimeOutSeconds in the middle of a request, is closed, so slow or silent clients hold a worker only
// that long and cannot keep the others waiting.
class SimServer {
public:
    static constexpr std::size_t kRequestsPerConnection = 10000;
    static constexpr int kIdleSeconds = 2;
    static constexpr int kReadTimeOutSeconds = 2;

    struct Options {
        std::shared_ptr<platform::Clock> clock;  // null: the process clock
        std::filesystem::path dataDirectory;     // empty: Gazetteer::defaultDataDirectory()
        std::size_t threadCount = 48;            // connections served at once (delayed ones included)
        // The control paths under /admin/ (AdminRoutes and the switches of other routes); off, every one of them
        // answers 404, for a service that another program embeds and that no one else may steer or read.
        bool adminPaths = true;
    };

    SimServer();
    explicit SimServer(Options options);
    ~SimServer();
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    // Listens on 127.0.0.1 (port 0: a free port) and serves on background threads; false when the port cannot
    // be bound. Broken pipes are ignored process-wide from then on (dropped connections would raise them).
    bool start(int port = 0);
    // Stops listening, cuts short any injected delay and waits for the request threads. Safe to call twice.
    void stop();
    bool isRunning() const { return m_http != nullptr; }

    int port() const { return m_port; }
    std::string baseUrl() const;  // "http://127.0.0.1:PORT"

    std::vector<SimRequest> requestLog() const { return m_log.snapshot(); }
    void clearRequestLog() { m_log.clear(); }
    FaultSet& faults() { return m_faults; }
    const SimEnvironment& environment() const { return m_environment; }

    // Answers a request as the server would, without the network, the log or faults (used to print samples).
    SimResponse respond(const SimRequest& request) const { return m_router.dispatch(request); }

private:
    SimResponse serve(const SimRequest& request, bool& dropConnection);
    void waitUnlessStopped(double seconds);

    SimEnvironment m_environment;
    std::size_t m_threadCount;
    bool m_adminPaths;
    Router m_router;
    FaultSet m_faults;
    RequestLog m_log;

    std::unique_ptr<httplib::Server> m_http;
    std::thread m_listener;
    int m_port = 0;
    std::mutex m_stopMutex;
    std::condition_variable m_stopCondition;
    bool m_stopping = false;
};

}  // namespace qovsim
