#include "sim/StatusRoutes.h"

#include <httplib.h>

#include "tests/support/SimFixture.h"

namespace qovsim {
namespace {

class StatusRoutesTest : public qovtest::SimFixture {
protected:
    httplib::Result get(const std::string& path) {
        httplib::Client client("127.0.0.1", sim().port());
        client.set_read_timeout(10);
        return client.Get(path);
    }
};

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
