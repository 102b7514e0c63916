#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "cli/display/DisplayRoutes.h"

namespace qovcli {

// How much the device display's server gives each connection.
struct DisplayLimits {
    // From the connection's start until its whole request is read, and again for writing its answer.
    std::chrono::milliseconds readTime{5000};
    // Connections held at once. When every place is held, a new connection takes the place of the oldest one
    // whose answer is already sent, else of the oldest one that has held its place for shortestHold without
    // delivering its request; until one of them can make way, new connections wait in the listening queue, in
    // the order they came (so a crowd that reconnects at once gets back in behind those already waiting).
    std::size_t mostConnections = 32;
    std::chrono::milliseconds shortestHold{500};
    std::chrono::milliseconds longestStateWait{20000};
    std::chrono::milliseconds longestInputWait{10000};
    std::size_t largestHead = 16 * 1024;
    // Typing comes a key or a pasted line at a time.
    std::size_t largestBody = 64 * 1024;
};

// The device display's connections: accepts them on a listening socket and serves each one request with the
// routes, all on the thread that calls run(), which never blocks on a client (sockets are non-blocking, poll()
// waits for the first of them or of the deadlines). Places are few (DisplayLimits): a connection is read as soon
// as it is accepted, and strangers' connections make way for new ones. Input is posted to the main loop; its
// outcome comes back through a mailbox that rings the serving thread. run() on one thread; waker() and stop()
// from any.
class DisplayConnections {
public:
    // listener: a bound, listening socket, now owned.
    DisplayConnections(int listener, DisplayRoutes routes, std::weak_ptr<DisplayDevice> device,
                       const DisplayLimits& limits);
    ~DisplayConnections();
    DisplayConnections(const DisplayConnections&) = delete;
    DisplayConnections& operator=(const DisplayConnections&) = delete;

    // Serves until stop() is called.
    void run();
    // A call that has run() look again at what it waits for (a new frame came); harmless once the connections
    // are gone.
    std::function<void()> waker() const;
    void stop();

private:
    using Clock = std::chrono::steady_clock;
    enum class Stage { Reading, WaitingForFrame, WaitingForInput, Writing, Draining };
    struct Connection {
        int socket = -1;
        Stage stage = Stage::Reading;
        Clock::time_point arrived;
        Clock::time_point deadline;
        std::string received;
        std::uint64_t after = 0;  // the frame a waiting page has
        std::string answer;       // the bytes still to be sent
    };
    class Mailbox;

    void accept();
    // The connection a newcomer may take the place of (see DisplayLimits::mostConnections); end() when none.
    std::map<std::uint64_t, Connection>::iterator replaceable(Clock::time_point now);
    bool hasRoom(Clock::time_point now);
    void read(std::uint64_t id, Connection& connection);
    void serve(std::uint64_t id, Connection& connection);
    void answer(Connection& connection, const DisplayAnswer& answer);
    void write(Connection& connection);
    void lookAtWaits();
    void close(std::uint64_t id);
    // Until the first deadline, or, while no place is free, until the first held place may be taken.
    int millisecondsToFirstDeadline(bool full) const;

    int m_listener;
    DisplayRoutes m_routes;
    std::weak_ptr<DisplayDevice> m_device;
    DisplayLimits m_limits;
    std::shared_ptr<Mailbox> m_mailbox;
    std::map<std::uint64_t, Connection> m_connections;  // by the order they came in
    std::uint64_t m_nextId = 1;
};

}  // namespace qovcli
