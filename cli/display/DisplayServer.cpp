#include "cli/display/DisplayServer.h"

#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qovcli {

namespace {

// New connections wait in the listening queue while every place is held (DisplayLimits::mostConnections): deep
// enough that a crowd does not fill it, so that nobody's connection is refused and retried seconds later (the
// system lowers it to its own limit).
constexpr int kBacklog = 1024;

// A socket listening on 127.0.0.1:port (0: a free port) and the port it got; -1 and why not when it cannot.
// The port is never shared with another listener (no SO_REUSEPORT): only a port left in TIME_WAIT is taken over.
std::pair<int, int> listenOnLoopback(int port, std::string& problem) {
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        problem = std::strerror(errno);
        return {-1, 0};
    }
    const int yes = 1;
    ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    socklen_t length = sizeof address;
    if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(socket, kBacklog) != 0 || ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        problem = errno == EADDRINUSE ? "the port is in use (choose another, or leave it out for a free one)"
                                      : std::strerror(errno);
        ::close(socket);
        return {-1, 0};
    }
    return {socket, ntohs(address.sin_port)};
}

}  // namespace

std::unique_ptr<DisplayServer> DisplayServer::start(int port, std::shared_ptr<DisplayDevice> device,
                                                    std::shared_ptr<DisplayFrames> frames, std::ostream& err,
                                                    DisplayLimits limits) {
    std::string problem;
    const auto [listener, bound] = listenOnLoopback(port, problem);
    if (listener < 0) {
        err << "qovara: the display cannot listen on 127.0.0.1:" << port << ": " << problem << "\n";
        return nullptr;
    }
    return std::unique_ptr<DisplayServer>(
        new DisplayServer(listener, bound, std::move(device), std::move(frames), limits));
}

DisplayServer::DisplayServer(int listener, int port, std::shared_ptr<DisplayDevice> device,
                             std::shared_ptr<DisplayFrames> frames, DisplayLimits limits)
    : m_port(port),
      m_access(std::make_shared<DisplayAccess>(port)),
      m_frames(std::move(frames)),
      m_connections(std::make_unique<DisplayConnections>(listener, DisplayRoutes(m_access, m_frames), std::move(device),
                                                         limits)) {
    m_frames->setListener(m_connections->waker());
    m_thread = std::thread([connections = m_connections.get()] { connections->run(); });
}

DisplayServer::~DisplayServer() {
    m_frames->setListener(nullptr);
    m_connections->stop();
    m_thread.join();
}

}  // namespace qovcli
