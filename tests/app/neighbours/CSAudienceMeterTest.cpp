#include "app/neighbours/CSAudienceMeter.h"

#include <gtest/gtest.h>

#include "app/neighbours/CSCensus.h"

namespace qov {
namespace {

TEST(CSCensusTest, StartEncodesTheCustomerIdAndSendsTheStartEvent) {
    CSCensus census;
    census.notifyStart("cust 42", "s3cret");
    EXPECT_EQ(census.pixelURL(), "http://census.qovara.net/p?c2=cust%2042");
    EXPECT_EQ(census.sentEvents(), std::vector<std::string>{"start"});
}

}  // namespace
}  // namespace qov
