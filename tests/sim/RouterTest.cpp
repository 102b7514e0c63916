#include "sim/Router.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace qovsim {
namespace {

SimRequest request(std::string method, std::string path) {
    SimRequest r;
    r.method = std::move(method);
    r.path = std::move(path);
    return r;
}

TEST(RouterTest, DispatchesByMethodAndWholePathWithCaptures) {
    Router router;
    router.get(R"(/wxdata/loc/([^/]+):(\d+)\.js)",
               [](const SimRequest& r) { return SimResponse::text(r.captures.at(0) + "|" + r.captures.at(1)); });
    router.add("POST", "/form", [](const SimRequest&) { return SimResponse::text("posted", 201); });

    EXPECT_EQ(router.dispatch(request("GET", "/wxdata/loc/USGA0028:1.js")).body, "USGA0028|1");
    EXPECT_EQ(router.dispatch(request("HEAD", "/wxdata/loc/30303:4.js")).body, "30303|4");
    EXPECT_EQ(router.dispatch(request("GET", "/wxdata/loc/USGA0028:1.jsx")).status, 404);
    EXPECT_EQ(router.dispatch(request("GET", "/form")).status, 404);
    EXPECT_EQ(router.dispatch(request("POST", "/form")).status, 201);
}

TEST(RouterTest, FirstRouteAddedWinsAndAThrowingHandlerAnswers500) {
    Router router;
    router.get("/a.*", [](const SimRequest&) { return SimResponse::text("first"); });
    router.get("/ab", [](const SimRequest&) { return SimResponse::text("second"); });
    router.get("/boom", [](const SimRequest&) -> SimResponse { throw std::runtime_error("boom"); });
    EXPECT_EQ(router.dispatch(request("GET", "/ab")).body, "first");
    EXPECT_EQ(router.dispatch(request("GET", "/boom")).status, 500);
}

}  // namespace
}  // namespace qovsim
