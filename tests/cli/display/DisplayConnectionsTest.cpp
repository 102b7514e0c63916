// Crowds of clients without the token against the device display's connections, with its usual limits, over
// loopback: a person opening the page is answered all the same.
#include "cli/display/DisplayConnections.h"

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/eventfd.h>

#include "cli/display/DisplayServer.h"
#include "tests/cli/display/RawConnection.h"

namespace qovcli {
namespace {

using qovtest::RawConnection;

// Idle connections that send nothing: each one the display closes is opened again at once, by one of the crowd's
// own threads (several, to reconnect as fast as a determined client), until the crowd is destroyed. The first ones
// are all open when the constructor returns.
class IdleCrowd {
public:
    static constexpr int kThreads = 4;

    IdleCrowd(int port, int size) : m_port(port), m_stop(::eventfd(0, EFD_CLOEXEC)) {
        for (int each = 0; each < size; ++each) {
            m_members.push_back(std::make_unique<RawConnection>(port));
        }
        for (int thread = 0; thread < kThreads; ++thread) {
            m_threads.emplace_back(
                [this, thread, size] { run(size * thread / kThreads, size * (thread + 1) / kThreads); });
        }
    }
    ~IdleCrowd() {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(m_stop, &one, sizeof one);
        for (auto& thread : m_threads) {
            thread.join();
        }
        ::close(m_stop);
    }
    IdleCrowd(const IdleCrowd&) = delete;
    IdleCrowd& operator=(const IdleCrowd&) = delete;

    int reconnections() const { return m_reconnections.load(); }

private:
    // Keeps the members [first, end) connected.
    void run(std::size_t first, std::size_t end) {
        std::vector<pollfd> watched;
        for (;;) {
            watched.assign({pollfd{m_stop, POLLIN, 0}});
            for (auto index = first; index < end; ++index) {
                watched.push_back(pollfd{m_members[index]->socket(), POLLIN, 0});
            }
            if (::poll(watched.data(), watched.size(), -1) < 0) {
                continue;
            }
            if (watched[0].revents != 0) {
                return;
            }
            for (std::size_t index = 1; index < watched.size(); ++index) {
                char byte = 0;
                if (watched[index].revents != 0 && ::recv(watched[index].fd, &byte, 1, MSG_DONTWAIT) <= 0) {
                    m_members[first + index - 1] = std::make_unique<RawConnection>(m_port);
                    ++m_reconnections;
                }
            }
        }
    }

    int m_port;
    int m_stop;
    std::vector<std::unique_ptr<RawConnection>> m_members;
    std::atomic<int> m_reconnections{0};
    std::vector<std::thread> m_threads;
};

class DisplayConnectionsTest : public ::testing::Test {
protected:
    std::string pageRequest(const std::string& token) const {
        return "GET /?token=" + token + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server->port()) + "\r\n\r\n";
    }
    // A person opening the page from each of `count` connections at once: how many got it.
    int pagesServed(int count) {
        std::vector<std::unique_ptr<RawConnection>> people;
        for (int each = 0; each < count; ++each) {
            people.push_back(std::make_unique<RawConnection>(server->port()));
            people.back()->send(pageRequest(server->access().token()));
        }
        int served = 0;
        for (const auto& person : people) {
            served += person->receiveAll().starts_with("HTTP/1.1 200") ? 1 : 0;
        }
        return served;
    }

    std::shared_ptr<DisplayDevice> device = std::make_shared<DisplayDevice>(nullptr);
    std::shared_ptr<DisplayFrames> frames = std::make_shared<DisplayFrames>();
    std::unique_ptr<DisplayServer> server = DisplayServer::start(0, device, frames, std::cerr);
};

TEST_F(DisplayConnectionsTest, StrangersHoldingTheirRefusedConnectionsOpenDoNotKeepAPersonOut) {
    ASSERT_TRUE(server);
    ASSERT_GT(35U, DisplayLimits{}.mostConnections);
    std::vector<std::unique_ptr<RawConnection>> strangers;
    for (int each = 0; each < 35; ++each) {
        strangers.push_back(std::make_unique<RawConnection>(server->port()));
        ASSERT_TRUE(strangers.back()->send(pageRequest("")));
    }
    for (const auto& stranger : strangers) {  // refused (or already made way), and holding on
        ASSERT_TRUE(stranger->awaitServer());
    }
    EXPECT_EQ(pagesServed(20), 20);
}

TEST_F(DisplayConnectionsTest, IdleStrangersReconnectingAtOnceDoNotKeepAPersonOut) {
    ASSERT_TRUE(server);
    IdleCrowd crowd(server->port(), 200);
    EXPECT_EQ(pagesServed(20), 20);
    EXPECT_GT(crowd.reconnections(), 0) << "the crowd made way and came back";
}

}  // namespace
}  // namespace qovcli
