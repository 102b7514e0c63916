#include "app/core/model/QOVMobileAppConfig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

class QOVMobileAppConfigTest : public qovtest::ManualClockTest {
protected:
    static QOVMobileAppConfig configuration() {
        QOVMobileAppConfig config("qovara-iphone", 1800.0);
        config.addConfiguration(platform::Dictionary{{"on", "On"},
                                                     {"enabled", "ENABLED"},
                                                     {"one", "1"},
                                                     {"numberOne", 1},
                                                     {"off", "off"},
                                                     {"zero", "0"},
                                                     {"numberZero", 0},
                                                     {"answer", "42"},
                                                     {"list", platform::Array{1, 2}},
                                                     {"ratio", 71.6},
                                                     {"flag", true},
                                                     {"unflag", false},
                                                     {"huge", 1e12},
                                                     {"hugeInteger", std::int64_t{1} << 40}},
                                "diag");
        return config;
    }
};

TEST_F(QOVMobileAppConfigTest, AttributesReadAsFlagsNumbersAndTexts) {
    const auto config = configuration();
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    // {attribute, flag, integer, text}
    const std::tuple<const char*, bool, int, std::optional<std::string>> cases[] = {
        {"on", true, 0, "On"},
        {"enabled", true, 0, "ENABLED"},
        {"one", true, 1, "1"},
        {"numberOne", true, 1, "1"},
        {"off", false, 0, "off"},
        {"zero", false, 0, "0"},
        {"numberZero", false, 0, "0"},
        {"answer", false, 42, "42"},
        {"ratio", true, 71, "71.6"},
        {"flag", true, 1, "true"},
        {"unflag", false, 0, "false"},
        {"list", false, 0, std::nullopt},
        {"huge", true, kMax, "1000000000000"},
        {"hugeInteger", true, kMax, "1099511627776"},
        {"missing", false, 0, std::nullopt}};
    for (const auto& [attribute, flag, integer, text] : cases) {
        SCOPED_TRACE(attribute);
        EXPECT_EQ(config.boolForAttribute(attribute, "diag"), flag);
        EXPECT_EQ(config.intForAttribute(attribute, "diag"), integer);
        EXPECT_EQ(config.stringForAttribute(attribute, "diag"), text);
    }
    EXPECT_FALSE(config.boolForAttribute("on", "missing"));
    for (const char* text : {"", "2", "y", "true ", "enabledd"}) {
        EXPECT_FALSE(QOVMobileAppConfig::boolFromString(text)) << text;
    }
}

TEST_F(QOVMobileAppConfigTest, StaleFromTheTimeToLiveInEitherDirection) {
    QOVMobileAppConfig config("app", 600.0);
    clock()->advance(599.9);
    EXPECT_FALSE(config.isStale());
    clock()->advance(0.1);
    EXPECT_TRUE(config.isStale());

    QOVMobileAppConfig ahead("app", 600.0);
    clock()->advance(-600.0);
    EXPECT_DOUBLE_EQ(ahead.age(), 600.0);
    EXPECT_TRUE(ahead.isStale());
}

TEST_F(QOVMobileAppConfigTest, ArchiveKeepsEveryFieldAndRaisesAShortTimeToLive) {
    auto config = configuration();
    config.setLocaleString("en_US");
    const auto restored = qovtest::faithfulRoundTrip(config);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->classId(), std::nullopt);
    EXPECT_EQ(qovtest::archiveKeys(config),
              qovtest::keys("$class createdDate applicationId localeString configurations ttl"));

    for (double ttl : {600.0, 0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        const auto shortLived = qovtest::archiveRoundTrip(QOVMobileAppConfig("app", ttl));
        ASSERT_TRUE(shortLived);
        EXPECT_DOUBLE_EQ(shortLived->ttl(), 900.0) << ttl;
    }
}

TEST_F(QOVMobileAppConfigTest, ARestoredConfigurationKeepsItsAgeAndOneWithoutCreationDateIsStale) {
    const QOVMobileAppConfig config("app", 1800.0);
    clock()->advance(1000.0);
    EXPECT_DOUBLE_EQ(qovtest::archiveRoundTrip(config)->age(), 1000.0);

    // An archive written by hand without "createdDate".
    platform::Dictionary root{{"$class", "QOVMobileAppConfig"}, {"applicationId", "app"}, {"ttl", 1800.0}};
    const auto undated =
        platform::KeyedUnarchiver::unarchiveObjectOfClass<QOVMobileAppConfig>(qovtest::binaryArchiveOf(root));
    ASSERT_TRUE(undated);
    EXPECT_TRUE(undated->isStale());
    EXPECT_TRUE(undated->configurations().empty());
}

}  // namespace
}  // namespace qov
