#include "app/core/model/QOVMobileAppConfig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/app/core/model/ArchiveByHand.h"
#include "tests/app/core/model/ModelTestSupport.h"

namespace qov {
namespace {

class QOVMobileAppConfigTest : public qovtest::ManualClockTest {
protected:
    QOVMobileAppConfig configuration() {
        QOVMobileAppConfig config("qovara-iphone", 1800.0);
        config.addConfiguration(platform::Dictionary{{"on", "On"},
                                                     {"enabled", "ENABLED"},
                                                     {"one", "1"},
                                                     {"numberOne", 1},
                                                     {"off", "off"},
                                                     {"no", "no"},
                                                     {"zero", "0"},
                                                     {"numberZero", 0},
                                                     {"answer", "42"},
                                                     {"numberAnswer", 42},
                                                     {"list", platform::Array{1, 2}},
                                                     {"three", 3},
                                                     {"ratio", 71.6},
                                                     {"flag", true},
                                                     {"unflag", false},
                                                     {"huge", 1e12},
                                                     {"hugeInteger", std::int64_t{1} << 40}},
                                "diag");
        return config;
    }
};

TEST_F(QOVMobileAppConfigTest, FlagsReadFromTextsNumbersAndJsonFlags) {
    const auto config = configuration();
    for (const char* yes : {"on", "enabled", "one", "numberOne", "flag", "ratio"}) {
        EXPECT_TRUE(config.boolForAttribute(yes, "diag")) << yes;
    }
    for (const char* no : {"off", "no", "zero", "numberZero", "unflag", "list", "missing"}) {
        EXPECT_FALSE(config.boolForAttribute(no, "diag")) << no;
    }
    EXPECT_FALSE(config.boolForAttribute("on", "missing"));
    for (const char* text : {"true", "Enable", "enabled", "YES", "on", "1"}) {
        EXPECT_TRUE(QOVMobileAppConfig::boolFromString(text)) << text;
    }
    for (const char* text : {"", "0", "2", "off", "y", "true ", "enabledd"}) {
        EXPECT_FALSE(QOVMobileAppConfig::boolFromString(text)) << text;
    }
}

TEST_F(QOVMobileAppConfigTest, IntegersReadFromTextsAndNumbersWithinThirtyTwoBits) {
    const auto config = configuration();
    EXPECT_EQ(config.intForAttribute("answer", "diag"), 42);
    EXPECT_EQ(config.intForAttribute("numberAnswer", "diag"), 42);
    EXPECT_EQ(config.intForAttribute("list", "diag"), 0);
    EXPECT_EQ(config.intForAttribute("ratio", "diag"), 71);
    EXPECT_EQ(config.intForAttribute("flag", "diag"), 1);
    EXPECT_EQ(config.intForAttribute("huge", "diag"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(config.intForAttribute("hugeInteger", "diag"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(config.intForAttribute("missing", "diag"), 0);
}

TEST_F(QOVMobileAppConfigTest, TextsDescribeNumbersAndFlagsButNotContainers) {
    const auto config = configuration();
    EXPECT_EQ(config.stringForAttribute("three", "diag"), "3");
    EXPECT_EQ(config.stringForAttribute("ratio", "diag"), "71.6");
    EXPECT_EQ(config.stringForAttribute("flag", "diag"), "true");
    EXPECT_EQ(config.stringForAttribute("unflag", "diag"), "false");
    EXPECT_EQ(config.stringForAttribute("on", "diag"), "On");
    EXPECT_EQ(config.stringForAttribute("list", "diag"), std::nullopt);
    EXPECT_EQ(config.stringForAttribute("missing", "diag"), std::nullopt);
    EXPECT_EQ(config.stringForAttribute("on", "missing"), std::nullopt);
}

TEST_F(QOVMobileAppConfigTest, ACategoryThatIsNoDictionaryAnswersEveryAttributeAsMissing) {
    QOVMobileAppConfig config("app", 900.0);
    config.addConfiguration("just text", "banner");
    config.addConfiguration(platform::Array{platform::Dictionary{{"a", 1}}}, "list");
    for (const char* category : {"banner", "list"}) {
        EXPECT_EQ(config.objectForAttribute("a", category), nullptr);
        EXPECT_EQ(config.stringForAttribute("a", category), std::nullopt);
        EXPECT_EQ(config.intForAttribute("a", category), 0);
        EXPECT_FALSE(config.boolForAttribute("a", category));
    }
    config.addConfiguration(platform::Dictionary{{"a", 5}}, "banner");
    EXPECT_EQ(config.intForAttribute("a", "banner"), 5);
    EXPECT_EQ(config.allCategories().size(), 2U);
}

TEST_F(QOVMobileAppConfigTest, StaleFromTheTimeToLiveInEitherDirection) {
    QOVMobileAppConfig config("app", 600.0);
    clock().advance(599.9);
    EXPECT_FALSE(config.isStale());
    clock().advance(0.1);
    EXPECT_TRUE(config.isStale());

    QOVMobileAppConfig ahead("app", 600.0);
    clock().advance(-600.0);
    EXPECT_DOUBLE_EQ(ahead.age(), 600.0);
    EXPECT_TRUE(ahead.isStale());
}

TEST_F(QOVMobileAppConfigTest, ArchiveKeepsEveryFieldAndRaisesAShortTimeToLive) {
    auto config = configuration();
    config.setLocaleString("en_US");
    const auto restored = qovtest::archiveRoundTrip(config);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->applicationId(), "qovara-iphone");
    EXPECT_EQ(restored->localeString(), "en_US");
    EXPECT_EQ(restored->classId(), std::nullopt);
    EXPECT_EQ(restored->createdDate(), config.createdDate());
    EXPECT_EQ(restored->configurations(), config.configurations());
    EXPECT_DOUBLE_EQ(restored->ttl(), 1800.0);
    EXPECT_EQ(qovtest::archiveKeys(config),
              (std::set<std::string>{"$class", "createdDate", "applicationId", "localeString", "configurations",
                                     "ttl"}));

    for (double ttl : {600.0, 0.0, -5.0, std::numeric_limits<double>::quiet_NaN()}) {
        const auto shortLived = qovtest::archiveRoundTrip(QOVMobileAppConfig("app", ttl));
        ASSERT_TRUE(shortLived);
        EXPECT_DOUBLE_EQ(shortLived->ttl(), 900.0) << ttl;
    }
}

TEST_F(QOVMobileAppConfigTest, ARestoredConfigurationKeepsItsAgeAndOneWithoutCreationDateIsStale) {
    const QOVMobileAppConfig config("app", 1800.0);
    clock().advance(1000.0);
    const auto restored = qovtest::archiveRoundTrip(config);
    ASSERT_TRUE(restored);
    EXPECT_DOUBLE_EQ(restored->age(), 1000.0);
    EXPECT_FALSE(restored->isStale());

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
