#pragma once

#include <string>

namespace qovsim {

// Closes one accepted TCP connection of this process without an answer, so that the client sees a transport
// failure rather than an HTTP status. The HTTP server does not hand its sockets to handlers, so the connection is
// found among the process's open sockets by its two endpoints.
class ConnectionDropper {
public:
    // The accepted socket whose local port and peer address match, or -1.
    static int find(int localPort, const std::string& remoteAddress, int remotePort);
    // Whether the socket is (still) the connection with these endpoints.
    static bool connects(int socket, int localPort, const std::string& remoteAddress, int remotePort);
    // Shuts down the socket whose local port and peer address match; false when none does.
    static bool drop(int localPort, const std::string& remoteAddress, int remotePort);
    // Shuts down every accepted connection on the local port, so that idle keep-alive connections do not hold
    // up the server's stop.
    static void dropAll(int localPort);
};

}  // namespace qovsim
