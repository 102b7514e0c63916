#include "sim/ConnectionDropper.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace qovsim {

namespace {

struct Endpoint {
    std::string address;
    int port = -1;
};

bool endpointOf(int fd, bool peer, Endpoint& endpoint) {
    sockaddr_storage storage{};
    socklen_t length = sizeof(storage);
    auto* address = reinterpret_cast<sockaddr*>(&storage);
    if ((peer ? getpeername(fd, address, &length) : getsockname(fd, address, &length)) != 0) {
        return false;
    }
    char text[INET6_ADDRSTRLEN] = {};
    if (storage.ss_family == AF_INET) {
        auto* in4 = reinterpret_cast<sockaddr_in*>(&storage);
        inet_ntop(AF_INET, &in4->sin_addr, text, sizeof(text));
        endpoint.port = ntohs(in4->sin_port);
    } else if (storage.ss_family == AF_INET6) {
        auto* in6 = reinterpret_cast<sockaddr_in6*>(&storage);
        inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof(text));
        endpoint.port = ntohs(in6->sin6_port);
    } else {
        return false;
    }
    endpoint.address = text;
    return true;
}

// Calls visit(fd, local, remote) for every connected socket of this process; stops when visit answers true.
template <typename Visit>
void forEachConnectedSocket(Visit visit) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        const int fd = std::atoi(entry.path().filename().c_str());
        Endpoint local;
        Endpoint remote;
        if (endpointOf(fd, false, local) && endpointOf(fd, true, remote) && visit(fd, local, remote)) {
            return;
        }
    }
}

}  // namespace

int ConnectionDropper::find(int localPort, const std::string& remoteAddress, int remotePort) {
    int found = -1;
    forEachConnectedSocket([&](int fd, const Endpoint& local, const Endpoint& remote) {
        if (local.port != localPort || remote.port != remotePort || remote.address != remoteAddress) {
            return false;
        }
        found = fd;
        return true;
    });
    return found;
}

bool ConnectionDropper::connects(int socket, int localPort, const std::string& remoteAddress, int remotePort) {
    Endpoint local;
    Endpoint remote;
    return endpointOf(socket, false, local) && endpointOf(socket, true, remote) && local.port == localPort &&
           remote.port == remotePort && remote.address == remoteAddress;
}

bool ConnectionDropper::drop(int localPort, const std::string& remoteAddress, int remotePort) {
    int fd = find(localPort, remoteAddress, remotePort);
    return fd >= 0 && shutdown(fd, SHUT_RDWR) == 0;
}

void ConnectionDropper::dropAll(int localPort) {
    forEachConnectedSocket([localPort](int fd, const Endpoint& local, const Endpoint&) {
        if (local.port == localPort) {
            shutdown(fd, SHUT_RDWR);
        }
        return false;
    });
}

}  // namespace qovsim
