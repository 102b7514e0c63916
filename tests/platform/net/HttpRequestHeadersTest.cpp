#include <gtest/gtest.h>

#include "tests/platform/net/NetworkFixture.h"
#include "tests/support/PumpUntil.h"

namespace platform::net {
namespace {

class HttpRequestHeadersTest : public qovtest::NetworkFixture {};

TEST_F(HttpRequestHeadersTest, RequestHeadersArriveWithTheRequest) {
    auto request = makeRequest("/health");
    request->addRequestHeader("X-Qovara-Client", "runner 1.0");
    request->addRequestHeader("Accept-Language", "en-US");
    queue().addOperation(request);
    ASSERT_TRUE(qovtest::pumpUntil([&] { return outcome().delivered(); }));

    const auto log = sim().requestLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].headerValue("x-qovara-client"), "runner 1.0");
    EXPECT_EQ(log[0].headerValue("accept-language"), "en-US");
}

}  // namespace
}  // namespace platform::net
