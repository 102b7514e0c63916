#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace qovsim {
class SimServer;
}

namespace qovcli {

// The weather service the runner talks to: the stand-in service started inside the process on an ephemeral
// loopback port (no address given), or a running one at "http://HOST[:PORT]". Connecting aims the data-service
// client and the application cache at it; the embedded service stops when the connection goes.
class ServiceConnection {
public:
    ServiceConnection();
    ~ServiceConnection();
    ServiceConnection(const ServiceConnection&) = delete;
    ServiceConnection& operator=(const ServiceConnection&) = delete;

    enum class Result { Connected, ServiceFailed, BadAddress };
    // Writes the reason of a failure on err.
    Result connect(const std::string& serviceUrl, std::ostream& err);
    // The runner's exit status for a failed connection: 1 the service did not start, 2 an unusable address.
    static int exitStatus(Result result) {
        return result == Result::Connected ? 0 : result == Result::BadAddress ? 2 : 1;
    }

    // "HOST:PORT" of the service once connected.
    const std::string& host() const { return m_host; }
    // Cancels the client's requests; the embedded service stops.
    void close();

private:
    std::unique_ptr<qovsim::SimServer> m_embedded;
    std::string m_host;
};

}  // namespace qovcli
