#pragma once

#include <cerrno>
#include <cstdint>
#include <string>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qovtest {

// A client's own connection to a server on 127.0.0.1, as raw as a hostile or careless one may be: connected on
// construction, closed with the object. One thread at a time.
class RawConnection {
public:
    explicit RawConnection(int port) : m_socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        // A generous deadline for every answer awaited below.
        const timeval patience{30, 0};
        ::setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        m_connected = ::connect(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawConnection() { ::close(m_socket); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    int socket() const { return m_socket; }
    bool send(const std::string& bytes) {
        return m_connected && ::send(m_socket, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size());
    }
    // Everything the server sends until it closes the connection (or the deadline passes).
    std::string receiveAll() {
        std::string received;
        char chunk[4096];
        for (ssize_t count; (count = ::recv(m_socket, chunk, sizeof chunk, 0)) > 0;) {
            received.append(chunk, std::size_t(count));
        }
        return received;
    }
    // Waits until the server has sent something or closed the connection, leaving what it sent unread; false
    // when the deadline passed first.
    bool awaitServer() {
        char byte = 0;
        return ::recv(m_socket, &byte, 1, MSG_PEEK) >= 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
    }

private:
    int m_socket;
    bool m_connected = false;
};

}  // namespace qovtest
