#pragma once

#include <memory>
#include <ostream>
#include <string>

namespace qovsim {
class SimServer;
}

namespace qovcli {

// The stand-in service the runner talks to for its whole run: the one at --service, or one started inside on an
// ephemeral loopback port and stopped with this object, whose control paths (/admin/) are off.
class RunnerService {
public:
    // serviceHost: "HOST[:PORT]", or empty to start the embedded service. nullptr, after a message on err, when
    // the embedded service does not start.
    static std::unique_ptr<RunnerService> start(const std::string& serviceHost, std::ostream& err);
    ~RunnerService();
    RunnerService(const RunnerService&) = delete;
    RunnerService& operator=(const RunnerService&) = delete;

    // "HOST:PORT" for the data-service client.
    const std::string& host() const { return m_host; }

private:
    RunnerService(std::string host, std::unique_ptr<qovsim::SimServer> embedded);

    std::string m_host;
    std::unique_ptr<qovsim::SimServer> m_embedded;
};

}  // namespace qovcli
