#include "cli/display/DisplayConnections.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/base/RunLoop.h"

namespace qovcli {

namespace {

constexpr std::size_t kChunk = 16 * 1024;
constexpr auto kLongestDrain = std::chrono::seconds(1);

}  // namespace

// The outcomes of input run on the main thread, for the serving thread, which the mailbox wakes (an eventfd
// that also carries the waker's calls and stop()). Thread-safe; outlives the connections when the main thread answers
// late.
class DisplayConnections::Mailbox {
public:
    Mailbox() : m_bell(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}
    ~Mailbox() { shut(); }

    int bell() const { return m_bell; }
    void ring() {
        std::lock_guard lock(m_mutex);
        if (m_bell >= 0) {
            const std::uint64_t one = 1;
            [[maybe_unused]] const auto written = ::write(m_bell, &one, sizeof one);
        }
    }
    void deliver(std::uint64_t id, std::optional<std::string> outcome) {
        {
            std::lock_guard lock(m_mutex);
            m_outcomes.emplace_back(id, std::move(outcome));
        }
        ring();
    }
    std::vector<std::pair<std::uint64_t, std::optional<std::string>>> take() {
        std::uint64_t rung = 0;
        [[maybe_unused]] const auto read = ::read(m_bell, &rung, sizeof rung);
        std::lock_guard lock(m_mutex);
        return std::exchange(m_outcomes, {});
    }
    void shut() {
        std::lock_guard lock(m_mutex);
        if (m_bell >= 0) {
            ::close(m_bell);
            m_bell = -1;
        }
    }

    std::atomic<bool> stopping{false};

private:
    std::mutex m_mutex;
    int m_bell;
    std::vector<std::pair<std::uint64_t, std::optional<std::string>>> m_outcomes;
};

DisplayConnections::DisplayConnections(int listener, DisplayRoutes routes, std::weak_ptr<DisplayDevice> device,
                                       const DisplayLimits& limits)
    : m_listener(listener),
      m_routes(std::move(routes)),
      m_device(std::move(device)),
      m_limits(limits),
      m_mailbox(std::make_shared<Mailbox>()) {}

DisplayConnections::~DisplayConnections() {
    for (auto& [id, connection] : m_connections) {
        ::close(connection.socket);
    }
    ::close(m_listener);
    m_mailbox->shut();
}

std::function<void()> DisplayConnections::waker() const {
    return [mailbox = m_mailbox] { mailbox->ring(); };
}

void DisplayConnections::stop() {
    m_mailbox->stopping.store(true);
    m_mailbox->ring();
}

void DisplayConnections::run() {
    std::vector<pollfd> watched;
    std::vector<std::uint64_t> ids;
    while (!m_mailbox->stopping.load()) {
        // While no place can be taken, new connections wait in the listening queue (a negative socket is not
        // watched).
        const bool room = hasRoom(Clock::now());
        watched.assign({pollfd{room ? m_listener : -1, POLLIN, 0}, pollfd{m_mailbox->bell(), POLLIN, 0}});
        ids.assign({0, 0});
        for (const auto& [id, connection] : m_connections) {
            const bool writes = connection.stage == Stage::Writing;
            watched.push_back(pollfd{connection.socket, short(writes ? POLLOUT : POLLIN | POLLRDHUP), 0});
            ids.push_back(id);
        }
        if (::poll(watched.data(), watched.size(), millisecondsToFirstDeadline(!room)) < 0) {
            continue;  // interrupted: look again
        }
        if (watched[1].revents != 0) {
            for (auto& [id, outcome] : m_mailbox->take()) {
                const auto found = m_connections.find(id);
                if (found != m_connections.end() && found->second.stage == Stage::WaitingForInput) {
                    answer(found->second, DisplayRoutes::inputAnswer(outcome));
                }
            }
        }
        for (std::size_t index = 2; index < watched.size(); ++index) {
            const auto found = m_connections.find(ids[index]);
            if (watched[index].revents != 0 && found != m_connections.end()) {
                if (found->second.stage == Stage::Writing) {
                    write(found->second);
                } else {
                    read(found->first, found->second);
                }
            }
        }
        if (watched[0].revents != 0) {
            accept();
        }
        lookAtWaits();
    }
}

void DisplayConnections::accept() {
    for (;;) {
        const auto now = Clock::now();
        const bool full = m_connections.size() >= m_limits.mostConnections;
        const auto replaced = full ? replaceable(now) : m_connections.end();
        if (full && replaced == m_connections.end()) {
            return;  // the others wait in the listening queue until a place can be taken
        }
        const int socket = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (socket < 0) {
            return;
        }
        if (full) {
            close(replaced->first);
        }
        Connection connection;
        connection.socket = socket;
        connection.arrived = now;
        connection.deadline = now + m_limits.readTime;
        const auto id = m_nextId++;
        // A request that came with the connection is read at once, before a newcomer could take its place.
        read(id, m_connections.emplace(id, std::move(connection)).first->second);
    }
}

std::map<std::uint64_t, DisplayConnections::Connection>::iterator DisplayConnections::replaceable(
    Clock::time_point now) {
    auto reading = m_connections.end();
    for (auto each = m_connections.begin(); each != m_connections.end(); ++each) {
        if (each->second.stage == Stage::Draining) {
            return each;
        }
        if (reading == m_connections.end() && each->second.stage == Stage::Reading &&
            now - each->second.arrived >= m_limits.shortestHold) {
            reading = each;
        }
    }
    return reading;
}

bool DisplayConnections::hasRoom(Clock::time_point now) {
    return m_connections.size() < m_limits.mostConnections || replaceable(now) != m_connections.end();
}

void DisplayConnections::read(std::uint64_t id, Connection& connection) {
    char chunk[kChunk];
    const auto count = ::recv(connection.socket, chunk, sizeof chunk, 0);
    if (count == 0 || (count < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
        close(id);  // the client hung up (or broke off): nobody is left to answer
        return;
    }
    if (count < 0 || connection.stage != Stage::Reading) {
        return;  // nothing yet, or more than the one request a connection carries: ignored
    }
    connection.received.append(chunk, static_cast<std::size_t>(count));
    serve(id, connection);
}

void DisplayConnections::serve(std::uint64_t id, Connection& connection) {
    auto step = m_routes.read(connection.received, m_limits.largestHead, m_limits.largestBody);
    if (!step) {
        return;  // more to come
    }
    if (auto* now = std::get_if<DisplayRoutes::Answer>(&*step)) {
        answer(connection, *now);
    } else if (const auto* wait = std::get_if<DisplayRoutes::WaitForFrame>(&*step)) {
        connection.stage = Stage::WaitingForFrame;
        connection.after = wait->after;
        connection.deadline = Clock::now() + m_limits.longestStateWait;
    } else {
        connection.stage = Stage::WaitingForInput;
        connection.deadline = Clock::now() + m_limits.longestInputWait;
        platform::dispatchMain(
            [mailbox = m_mailbox, device = m_device, id, input = std::move(std::get<DisplayRoutes::Input>(*step))] {
                const auto alive = device.lock();
                mailbox->deliver(id, alive ? input(*alive) : std::optional<std::string>("the display has stopped"));
            });
    }
}

void DisplayConnections::answer(Connection& connection, const DisplayAnswer& answer) {
    connection.stage = Stage::Writing;
    connection.answer = answer.bytes();
    connection.received.clear();
    connection.deadline = Clock::now() + m_limits.readTime;
}

void DisplayConnections::write(Connection& connection) {
    const auto sent = ::send(connection.socket, connection.answer.data(), connection.answer.size(), MSG_NOSIGNAL);
    if (sent > 0) {
        connection.answer.erase(0, static_cast<std::size_t>(sent));
    }
    if (sent < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
        connection.deadline = Clock::now();  // broken off: closed on the next look at the deadlines
    } else if (connection.answer.empty()) {
        // The client hangs up once it has the answer; what it still sends meanwhile is read and dropped, so that
        // an answer given before its whole request was read is not lost to a reset.
        ::shutdown(connection.socket, SHUT_WR);
        connection.stage = Stage::Draining;
        connection.deadline = Clock::now() + kLongestDrain;
    }
}

void DisplayConnections::lookAtWaits() {
    const auto latest = m_routes.latestFrameNumber();
    const auto now = Clock::now();
    std::vector<std::uint64_t> expired;
    for (auto& [id, connection] : m_connections) {
        if (connection.stage == Stage::WaitingForFrame && (latest > connection.after || now >= connection.deadline)) {
            answer(connection, m_routes.stateAnswer());
        } else if (connection.stage == Stage::WaitingForInput && now >= connection.deadline) {
            answer(connection, DisplayRoutes::inputAnswer("the application did not take the input in time"));
        } else if (now >= connection.deadline) {
            expired.push_back(id);
        }
    }
    for (const auto id : expired) {
        close(id);
    }
}

void DisplayConnections::close(std::uint64_t id) {
    const auto found = m_connections.find(id);
    if (found != m_connections.end()) {
        ::close(found->second.socket);
        m_connections.erase(found);
    }
}

int DisplayConnections::millisecondsToFirstDeadline(bool full) const {
    const auto now = Clock::now();
    auto first = now + std::chrono::seconds(60);
    for (const auto& [id, connection] : m_connections) {
        first = std::min(first, connection.deadline);
        if (full && connection.stage == Stage::Reading) {
            first = std::min(first, connection.arrived + m_limits.shortestHold);
        }
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(first - now).count();
    return static_cast<int>(std::clamp<long long>(left + 1, 0, 60'000));
}

}  // namespace qovcli
