#include "sim/SimServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include "sim/ServiceKey.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TestBundle.h"

namespace qovsim {
namespace {

// Serving, status faults, dropped connections and the request log are also used by the client's tests over
// loopback (platform/net and the data-service client); these cases cover what those do not.
class SimServerTest : public qovtest::SimFixture {
protected:
    httplib::Client client() {
        httplib::Client c("127.0.0.1", sim().port());
        c.set_connection_timeout(5);
        c.set_read_timeout(10);
        return c;
    }
};

TEST_F(SimServerTest, TruncateAndMalformChangeTheBody) {
    sim().faults().add(Fault{.pathPattern = "/health", .truncateBody = true});
    auto c = client();
    auto truncated = c.Get("/health");
    ASSERT_TRUE(truncated);
    EXPECT_EQ(truncated->body, "o");

    sim().faults().add(Fault{.pathPattern = "/health", .malformBody = true});
    auto malformed = c.Get("/health");
    ASSERT_TRUE(malformed);
    EXPECT_NE(malformed->body, "ok");
    EXPECT_NE(malformed->body.find("ok"), std::string::npos);
    EXPECT_TRUE(nlohmann::json::parse(malformed->body, nullptr, false).is_discarded());
}

TEST_F(SimServerTest, ReusedConnectionAnswersWholeAfterADroppedOne) {
    qovtest::TestBundle bundle;
    SimRequest aggregate;
    aggregate.path = "/wxdata/mobile/mobagg/USGA0028:1.js";
    aggregate.query.emplace("key", ServiceKey::expected());
    const std::string aggregatePath = aggregate.path + "?key=" + ServiceKey::expected();
    const std::string expected = sim().respond(aggregate).body;
    ASSERT_GT(expected.size(), 20000u);
    auto c = client();
    c.set_keep_alive(true);
    for (int round = 0; round < 2; ++round) {
        for (const std::string& path : {std::string("/health"), aggregatePath, std::string("/health")}) {
            auto response = c.Get(path);
            ASSERT_TRUE(response) << path;
            EXPECT_EQ(response->body, path == aggregatePath ? expected : "ok");
        }
        sim().faults().add(Fault{.pathPattern = "/health", .dropConnection = true});
        EXPECT_FALSE(c.Get("/health"));
        sim().faults().clear();
    }
}

TEST_F(SimServerTest, DelayHoldsTheAnswerWithoutBlockingOtherRequests) {
    sim().faults().add(Fault{.pathPattern = "/health", .delaySeconds = 0.3});
    auto started = std::chrono::steady_clock::now();
    std::thread slow([this] {
        auto response = client().Get("/health");
        ASSERT_TRUE(response);
        EXPECT_EQ(response->body, "ok");
    });
    // An undelayed request is answered while the delayed one waits.
    auto quick = client().Get("/other");
    ASSERT_TRUE(quick);
    EXPECT_EQ(quick->status, 404);
    slow.join();
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
}

TEST_F(SimServerTest, StopCutsAnInjectedDelayShort) {
    sim().faults().add(Fault{.pathPattern = "*", .delaySeconds = 3600});
    std::thread waiting([this] { client().Get("/health"); });
    while (sim().requestLog().empty()) {
        std::this_thread::yield();
    }
    sim().stop();  // must not wait an hour
    waiting.join();
    EXPECT_FALSE(sim().isRunning());
}

TEST_F(SimServerTest, AdminPathsSetFaultsAndReadTheLogWithoutBeingLoggedOrFaulted) {
    auto c = client();
    ASSERT_EQ(c.Post("/admin/faults", R"([{"pathPattern": "/health", "status": 500},
                                          {"pathPattern": "/x*", "dropConnection": true}])",
                     "application/json")
                  ->status,
              200);
    ASSERT_EQ(sim().faults().faults().size(), 2u);
    EXPECT_EQ(c.Get("/health")->status, 500);

    sim().faults().add(Fault{.pathPattern = "*", .status = 418});
    EXPECT_EQ(nlohmann::json::parse(c.Get("/admin/faults")->body).size(), 3u);
    auto log = nlohmann::json::parse(c.Get("/admin/requests")->body);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0]["path"], "/health");

    ASSERT_TRUE(c.Delete("/admin/faults?pattern=/x*"));
    EXPECT_EQ(sim().faults().faults().size(), 2u);
    ASSERT_TRUE(c.Delete("/admin/faults"));
    EXPECT_TRUE(sim().faults().faults().empty());
    ASSERT_TRUE(c.Delete("/admin/requests"));
    EXPECT_TRUE(sim().requestLog().empty());
}

TEST_F(SimServerTest, AdminRejectsBadFaultsAndKeepsTheOldOnes) {
    sim().faults().add(Fault{.pathPattern = "/keep"});
    auto c = client();
    for (const char* body : {"not json", "[{\"status\": \"500\"}]", "{\"delaySeconds\": -1}", "{\"status\": 42}",
                             "[{\"status\": 500}, 7]", "null"}) {
        auto response = c.Post("/admin/faults", body, "application/json");
        ASSERT_TRUE(response);
        EXPECT_EQ(response->status, 400) << body;
    }
    ASSERT_EQ(sim().faults().faults().size(), 1u);
    EXPECT_EQ(sim().faults().faults()[0].pathPattern, "/keep");
}

TEST(SimServerLifecycleTest, StartsOnAChosenPortAndRestarts) {
    SimServer first;
    ASSERT_TRUE(first.start());
    SimServer second;
    EXPECT_FALSE(second.start(first.port()));  // taken
    int port = first.port();
    first.stop();
    first.stop();
    ASSERT_TRUE(second.start(port));
    EXPECT_EQ(second.port(), port);
    EXPECT_EQ(httplib::Client("127.0.0.1", port).Get("/health")->status, 200);
}

}  // namespace
}  // namespace qovsim
