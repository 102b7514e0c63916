#include "app/core/model/QOVLocationIdentity.h"

#include <gtest/gtest.h>

#include "app/core/model/QOVTypeAheadLocation.h"
#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

using qovtest::archiveRoundTrip;

class QOVLocationIdentityTest : public qovtest::ManualClockTest {};

TEST_F(QOVLocationIdentityTest, EqualityIsByKeyAndTypeAndNeedsAKey) {
    const QOVLocationIdentity home(1, "USGA0028", "Home");
    EXPECT_TRUE(home.isEqualToLocation(QOVLocationIdentity(1, "USGA0028", "Work")));
    EXPECT_FALSE(home.isEqualToLocation(QOVLocationIdentity(4, "USGA0028")));
    EXPECT_EQ(home.identifierAsString(), "USGA0028:1");
    const QOVLocationIdentity keyless(1, std::nullopt);
    EXPECT_FALSE(keyless.isEqualToLocation(keyless));
    EXPECT_FALSE(keyless.isEqualToLocation(QOVLocationIdentity(1, "")));
}

TEST_F(QOVLocationIdentityTest, ArchiveKeepsTypeKeyAndNicknameOnlyWhenPresent) {
    const QOVLocationIdentity identity(4, "30303", "Office");
    EXPECT_EQ(qovtest::archiveKeys(identity), qovtest::keys("$class type key userNickname"));
    EXPECT_TRUE(qovtest::faithfulRoundTrip(identity));
    const auto unnamed = archiveRoundTrip(QOVLocationIdentity(1, "USGA0028"));
    ASSERT_TRUE(unnamed);
    EXPECT_FALSE(unnamed->userNickname().has_value());
}

TEST_F(QOVLocationIdentityTest, TypeAheadArchiveKeepsCreationDateAndDropsBigCity) {
    QOVTypeAheadLocation result;
    result.setType(1);
    result.setKey("USGA0028");
    result.setUserNickname("Home");
    result.setBigCity(true);
    result.setName("Atlanta");
    result.setCountryCode("US");
    clock()->advance(1000);
    const auto copy = qovtest::faithfulRoundTrip(result);
    ASSERT_TRUE(copy);
    EXPECT_FALSE(copy->bigCity());
    EXPECT_DOUBLE_EQ(copy->age(), 1000.0);
}

TEST_F(QOVLocationIdentityTest, TypeAheadDisplayName) {
    QOVTypeAheadLocation us;
    us.setCountryCode("US");
    us.setName("N");
    us.setState("S");
    EXPECT_EQ(us.displayName(), "N, S");
    us.setNickName("Nick");
    EXPECT_EQ(us.displayName(), "Nick");
}

TEST_F(QOVLocationIdentityTest, TypeAheadConfidenceFallsFromOneToAQuarter) {
    QOVTypeAheadLocation result;
    const std::pair<double, float> expectations[] = {{0, 1.0F},      {299.9, 1.0F}, {300, 1.0F},
                                                     {1950, 0.625F}, {3600, 0.25F}, {3600.1, 0.25F}};
    double elapsed = 0;
    for (const auto& [age, confidence] : expectations) {
        clock()->advance(age - elapsed);
        elapsed = age;
        EXPECT_FLOAT_EQ(result.confidence(), confidence) << "at age " << age;
    }
}

TEST_F(QOVLocationIdentityTest, FutureCreationDateAgesToo) {
    QOVTypeAheadLocation result;
    clock()->set(platform::Date{qovtest::kFixtureTime - 400});
    EXPECT_TRUE(result.isStale());
    EXPECT_FALSE(result.isInvalid());
}

}  // namespace
}  // namespace qov
