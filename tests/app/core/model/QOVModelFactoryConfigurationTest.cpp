#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "app/core/model/QOVMobileAppConfig.h"
#include "tests/support/app/ModelTestSupport.h"

namespace qov {
namespace {

using qovtest::readModelFixture;

class QOVModelFactoryConfigurationTest : public qovtest::FactoryTest {
protected:
    std::shared_ptr<QOVMobileAppConfig> read(std::string_view json, const std::string& named = "requested",
                                             double timeToLive = 1800.0) {
        return factory().configurationUsingJSON(json, named, timeToLive);
    }
};

TEST_F(QOVModelFactoryConfigurationTest, DocumentMembersFillTheFieldsAndEveryOtherMemberIsACategory) {
    const auto config = read(readModelFixture("configuration-app.json"), "qovara-iphone", 60.0);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->applicationId(), "qovara-iphone");
    EXPECT_EQ(config->localeString(), "en_US");
    EXPECT_EQ(config->classId(), "iphone");
    EXPECT_DOUBLE_EQ(config->ttl(), 60.0);
    EXPECT_EQ(config->createdDate().secondsSince1970, qovtest::kFixtureTime);
    auto categories = config->allCategories();
    std::sort(categories.begin(), categories.end());
    EXPECT_EQ(categories, (std::vector<std::string>{"diag", "extraads", "inseason", "latest", "siteStats"}));

    // What the settings service reads.
    EXPECT_EQ(config->stringForAttribute("ios", "latest"), "5.1");
    EXPECT_EQ(config->stringForAttribute("autorate", "diag"), "true");
    EXPECT_EQ(config->intForAttribute("usesUntilPrompt", "diag"), 10);
    EXPECT_EQ(config->stringForAttribute("ratio", "diag"), "0.25");
    // A JSON null is no value.
    EXPECT_EQ(config->objectForAttribute("nothing", "diag"), nullptr);
    EXPECT_TRUE(fired.empty());
}

TEST_F(QOVModelFactoryConfigurationTest, OnlyTheDocumentMembersGiveAConfigurationWithoutCategories) {
    const auto bare = read(R"({"appid":"common","locale":"en_US","classId":"x"})");
    ASSERT_TRUE(bare);
    EXPECT_TRUE(bare->allCategories().empty());
    const auto two = read(R"({"appid":"common","locale":"en_US","classId":"x","a":{},"b":{"k":"v"}})");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->allCategories(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(QOVModelFactoryConfigurationTest, AnAnswerWithoutUsableApplicationIdIsFiledUnderTheRequestedOne) {
    const auto missing = read(readModelFixture("configuration-no-appid.json"), "qovara-iphone");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->applicationId(), "qovara-iphone");
    EXPECT_TRUE(missing->boolForAttribute("killall", "siteStats"));
    for (const char* json : {R"({"appid":""})", R"({"appid":null})", R"({"appid":{"id":"x"}})", "{}"}) {
        const auto config = read(json, "common");
        ASSERT_TRUE(config) << json;
        EXPECT_EQ(config->applicationId(), "common") << json;
    }
    // The service's own id wins over the requested one.
    EXPECT_EQ(read(R"({"appid":"other"})", "common")->applicationId(), "other");
    EXPECT_EQ(read(R"({"appid":7})", "common")->applicationId(), "7");
}

TEST_F(QOVModelFactoryConfigurationTest, WrongKindsNeverCrashAndCategoriesThatAreNoObjectsAnswerNothing) {
    const auto config = read(readModelFixture("configuration-wrong-kinds.json"), "requested");
    ASSERT_TRUE(config);
    EXPECT_EQ(config->applicationId(), "requested");
    EXPECT_EQ(config->localeString(), "7");
    EXPECT_EQ(config->classId(), std::nullopt);
    auto categories = config->allCategories();
    std::sort(categories.begin(), categories.end());
    // Null members are no categories, and "$class" cannot survive an archive.
    EXPECT_EQ(categories, (std::vector<std::string>{"banner", "count", "list", "odd"}));
    for (const char* category : {"banner", "count", "list"}) {
        EXPECT_EQ(config->objectForAttribute("0", category), nullptr);
        EXPECT_EQ(config->intForAttribute("0", category), 0);
    }
    EXPECT_EQ(config->stringForAttribute("kept", "odd"), "yes");
    EXPECT_EQ(config->intForAttribute("big", "odd"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(config->stringForAttribute("big", "odd"), "1.8446744073709552e+19");
    EXPECT_EQ(config->intForAttribute("small", "odd"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(config->objectForAttribute("$class", "odd"), nullptr);

    // The archive keeps the category as a dictionary, not as an object of the named class.
    const auto restored = qovtest::archiveRoundTrip(*config);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->configurations(), config->configurations());
}

TEST_F(QOVModelFactoryConfigurationTest, UnusableTextsAndErrorRecordsAnswerNothingAndFireNothing) {
    for (const char* json : {"", "not json", "[]", "[{\"appid\":\"common\"}]", "42", "\"common\"", "null",
                             "{\"appid\":\"common\"", "{\"class\":\"error\",\"type\":\"401\",\"text\":\"Bad key\"}"}) {
        EXPECT_FALSE(read(json)) << json;
    }
    EXPECT_FALSE(read(readModelFixture("service_error.json")));
    EXPECT_TRUE(fired.empty());
    // "class" as a category of attributes is an ordinary category.
    const auto classy = read(R"({"appid":"a","class":{"error":"no"}})");
    ASSERT_TRUE(classy);
    EXPECT_EQ(classy->stringForAttribute("error", "class"), "no");
}

TEST_F(QOVModelFactoryConfigurationTest, DeepValuesAreCutSoTheArchiveCanStillBeWritten) {
    std::string deep = R"({"appid":"a","cat":{"v":)";
    for (int i = 0; i < 200; ++i) {
        deep += "[";
    }
    deep += "1";
    for (int i = 0; i < 200; ++i) {
        deep += "]";
    }
    deep += R"(,"w":2}})";
    const auto config = read(deep);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->intForAttribute("w", "cat"), 2);
    const auto restored = qovtest::archiveRoundTrip(*config);
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->intForAttribute("w", "cat"), 2);
}

}  // namespace
}  // namespace qov
