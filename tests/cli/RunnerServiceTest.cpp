#include "cli/RunnerService.h"

#include <sstream>

#include <gtest/gtest.h>
#include <httplib.h>

namespace qovcli {
namespace {

// The embedded service listens on loopback, where any local user can reach it: it answers the weather, but
// neither shows what the runner asked nor lets anyone steer it.
TEST(RunnerServiceTest, TheEmbeddedServiceHasNoControlPaths) {
    std::ostringstream err;
    const auto service = RunnerService::start("", err);
    ASSERT_TRUE(service) << err.str();
    httplib::Client client("http://" + service->host());

    const auto fault = client.Post("/admin/faults", R"({"pathPattern": "*", "status": 500})", "application/json");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->status, 404);
    const auto health = client.Get("/health");
    ASSERT_TRUE(health);
    EXPECT_EQ(health->status, 200) << "no fault was taken";
    for (const char* path : {"/admin/requests", "/admin/faults", "/admin/storms", "/admin/configuration"}) {
        const auto answer = client.Get(path);
        ASSERT_TRUE(answer) << path;
        EXPECT_EQ(answer->status, 404) << path << ": " << answer->body;
    }
    const auto storms = client.Post("/admin/storms?active=0", "", "text/plain");
    ASSERT_TRUE(storms);
    EXPECT_EQ(storms->status, 404);
}

}  // namespace
}  // namespace qovcli
