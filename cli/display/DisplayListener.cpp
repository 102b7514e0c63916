#include "cli/display/DisplayListener.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

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

}  // namespace

std::optional<DisplayListener> DisplayListener::open(int port, std::ostream& err) {
    const int socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    std::string problem;
    if (socket < 0) {
        problem = std::strerror(errno);
    } else {
        const int yes = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        socklen_t length = sizeof address;
        if (::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
            ::listen(socket, kBacklog) == 0 &&
            ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
            return DisplayListener(socket, ntohs(address.sin_port));
        }
        problem = errno == EADDRINUSE ? "the port is in use (choose another, or leave it out for a free one)"
                                      : std::strerror(errno);
        ::close(socket);
    }
    err << "qovara: the display cannot listen on 127.0.0.1:" << port << ": " << problem << "\n";
    return std::nullopt;
}

DisplayListener::~DisplayListener() {
    if (m_socket >= 0) {
        ::close(m_socket);
    }
}

DisplayListener::DisplayListener(DisplayListener&& other) noexcept
    : m_socket(std::exchange(other.m_socket, -1)), m_port(other.m_port) {}

DisplayListener& DisplayListener::operator=(DisplayListener&& other) noexcept {
    if (this != &other) {
        if (m_socket >= 0) {
            ::close(m_socket);
        }
        m_socket = std::exchange(other.m_socket, -1);
        m_port = other.m_port;
    }
    return *this;
}

int DisplayListener::take() { return std::exchange(m_socket, -1); }

}  // namespace qovcli
