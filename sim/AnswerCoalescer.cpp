#include "sim/AnswerCoalescer.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <string>

#include "sim/ConnectionDropper.h"

namespace qovsim {

namespace {

struct ServedConnection {
    int socket = -1;
    int localPort = -1;
    std::string remoteAddress;
    int remotePort = -1;
    bool held = false;
};

thread_local ServedConnection t_connection;

void setTcpOption(socket_t socket, int option, int value) {
    setsockopt(socket, IPPROTO_TCP, option, &value, sizeof(value));
}

}  // namespace

void AnswerCoalescer::setUpListeningSocket(socket_t socket) { setTcpOption(socket, TCP_NODELAY, 1); }

void AnswerCoalescer::hold(const httplib::Request& request) {
    ServedConnection& connection = t_connection;
    bool known =
        connection.localPort == request.local_port && connection.remotePort == request.remote_port &&
        connection.remoteAddress == request.remote_addr &&
        ConnectionDropper::connects(connection.socket, request.local_port, request.remote_addr, request.remote_port);
    if (!known) {
        connection =
            ServedConnection{ConnectionDropper::find(request.local_port, request.remote_addr, request.remote_port),
                             request.local_port, request.remote_addr, request.remote_port};
    }
    if (connection.socket >= 0) {
        setTcpOption(connection.socket, TCP_CORK, 1);
        connection.held = true;
    }
}

void AnswerCoalescer::release() {
    ServedConnection& connection = t_connection;
    if (connection.held) {
        setTcpOption(connection.socket, TCP_CORK, 0);
        connection.held = false;
    }
}

}  // namespace qovsim
