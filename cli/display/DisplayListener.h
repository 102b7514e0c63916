#pragma once

#include <optional>
#include <ostream>

namespace qovcli {

// The device display's listening socket on 127.0.0.1, bound before anything is served (so that a port in use is
// refused before the run starts): connections wait in its queue until a DisplayServer takes it. Move-only; closes
// the socket unless it was taken. Any thread.
class DisplayListener {
public:
    // Listens on 127.0.0.1:port (0: a free port). A port another socket listens on is never shared (no
    // SO_REUSEPORT; only a port left in TIME_WAIT is taken over): nullopt after a message on err, as for any
    // other failure.
    static std::optional<DisplayListener> open(int port, std::ostream& err);
    ~DisplayListener();
    DisplayListener(DisplayListener&& other) noexcept;
    DisplayListener& operator=(DisplayListener&& other) noexcept;
    DisplayListener(const DisplayListener&) = delete;
    DisplayListener& operator=(const DisplayListener&) = delete;

    int port() const { return m_port; }
    // The socket, now the caller's.
    int take();

private:
    DisplayListener(int socket, int port) : m_socket(socket), m_port(port) {}

    int m_socket;
    int m_port;
};

}  // namespace qovcli
