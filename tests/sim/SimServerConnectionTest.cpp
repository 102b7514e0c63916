#include "sim/SimServer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <httplib.h>

#include "tests/support/SimFixture.h"

namespace qovsim {
namespace {

// A plain TCP connection to the stand-in, so that the test sees exactly when the server closes it.
class RawConnection {
public:
    explicit RawConnection(int port) : m_socket(::socket(AF_INET, SOCK_STREAM, 0)) {
        timeval wait{.tv_sec = 30, .tv_usec = 0};  // a safety net against a hanging test, not a measurement
        setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof(wait));
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(std::uint16_t(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_connected = ::connect(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    }
    ~RawConnection() { ::close(m_socket); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool connected() const { return m_connected; }
    bool send(const std::string& bytes) {
        return ::send(m_socket, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size());
    }
    // Reads until the text appears in what arrived since the last call; false when the server closed first.
    bool readUntil(const std::string& text) {
        while (m_received.find(text) == std::string::npos) {
            if (!readSome()) {
                return false;
            }
        }
        m_received.erase(0, m_received.find(text) + text.size());
        return true;
    }
    // Whether the server closes the connection (whatever it answers first); false when it stays open.
    bool closedByServer() {
        char buffer[4096];
        for (;;) {
            const ssize_t count = ::recv(m_socket, buffer, sizeof(buffer), 0);
            if (count <= 0) {
                return count == 0;
            }
        }
    }

private:
    bool readSome() {
        char buffer[4096];
        const ssize_t count = ::recv(m_socket, buffer, sizeof(buffer), 0);
        if (count <= 0) {
            return false;
        }
        m_received.append(buffer, std::size_t(count));
        return true;
    }

    int m_socket;
    bool m_connected = false;
    std::string m_received;
};

constexpr const char* kHealthRequest = "GET /health HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";

class SimServerConnectionTest : public qovtest::SimFixture {
protected:
    static constexpr std::size_t kWorkers = 4;
    SimServer::Options simOptions() const override {
        SimServer::Options options;
        options.threadCount = kWorkers;
        return options;
    }
};

TEST_F(SimServerConnectionTest, OneConnectionServesManyRequestsInTurn) {
    RawConnection connection(sim().port());
    ASSERT_TRUE(connection.connected());
    for (int request = 0; request < 50; ++request) {
        ASSERT_TRUE(connection.send(kHealthRequest)) << request;
        ASSERT_TRUE(connection.readUntil("\r\n\r\nok")) << "answer " << request;
    }
    EXPECT_EQ(sim().requestLog().size(), 50u);
}

// More stalled clients than workers, some silent and some in the middle of a request: each is closed, and a
// client that asks afterwards is answered.
TEST_F(SimServerConnectionTest, StalledClientsAreClosedAndOthersAreServed) {
    std::vector<std::unique_ptr<RawConnection>> stalled;
    for (std::size_t index = 0; index < 2 * kWorkers; ++index) {
        stalled.push_back(std::make_unique<RawConnection>(sim().port()));
        ASSERT_TRUE(stalled.back()->connected());
        if (index % 2 == 1) {
            ASSERT_TRUE(stalled.back()->send("GET /health HTTP/1.1\r\nHost: 12"));
        }
    }
    httplib::Client client("127.0.0.1", sim().port());
    client.set_read_timeout(60);
    const auto answer = client.Get("/health");
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->body, "ok");
    for (const auto& connection : stalled) {
        EXPECT_TRUE(connection->closedByServer());
    }
}

}  // namespace
}  // namespace qovsim
