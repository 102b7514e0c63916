#include "sim/StatusRoutes.h"

#include "tests/sim/ServiceRoutesFixture.h"

namespace qovsim {
namespace {

class StatusRoutesTest : public qovtest::ServiceRoutesFixture {};

TEST_F(StatusRoutesTest, BothStatusAddressesAnswerTheOnStatus) {
    for (const char* path : {"/swagger_update_prod", "/swagger_update_test"}) {
        const auto response = get(path);
        ASSERT_TRUE(response) << path;
        EXPECT_EQ(response->status, 200) << path;
        EXPECT_EQ(response->body, "0") << path;
    }
    const auto other = get("/swagger_update_staging");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->status, 404);
}

}  // namespace
}  // namespace qovsim
