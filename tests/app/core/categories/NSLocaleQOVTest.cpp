#include "app/core/categories/NSLocaleQOV.h"

#include <gtest/gtest.h>

#include "platform/storage/LocaleSource.h"

namespace qov {
namespace {

std::string simple(std::string_view locale, std::vector<std::string> languages) {
    return NSLocaleQOV::simpleLocaleIdentifierFor(locale, languages);
}

TEST(NSLocaleQOVTest, LanguageFollowsThePreferenceAndCountryTheRegion) {
    EXPECT_EQ(simple("en_US", {"en-GB"}), "en_US");
    EXPECT_EQ(simple("en_GB", {"zh-Hans"}), "zh_GB");
    EXPECT_EQ(simple("de_DE.UTF-8", {"de_DE"}), "de_DE");
    EXPECT_EQ(simple("es-US", {"es"}), "es_US");
}

TEST(NSLocaleQOVTest, AnythingDoubtfulGivesEnUs) {
    EXPECT_EQ(simple("", {"fr"}), "en_US");
    EXPECT_EQ(simple("fr_CA", {}), "en_US");
    EXPECT_EQ(simple("en_US", {"haw"}), "en_US");
    EXPECT_EQ(simple("en_ZZ", {"en"}), "en_US");  // not an ISO country
    EXPECT_EQ(simple("en", {"en"}), "en_US");     // no country at all
    EXPECT_EQ(simple("en_US", {"qq"}), "en_US");  // not an ISO language
    EXPECT_EQ(simple("en_419", {"es"}), "en_US");
    EXPECT_EQ(simple("../../etc", {"en"}), "en_US");
}

class NSLocaleQOVCurrentTest : public ::testing::Test {
protected:
    void TearDown() override { platform::LocaleSource::clearOverride(); }
    static void use(std::string locale, std::string language) {
        platform::LocaleSource::setOverride(std::move(locale), {std::move(language)});
    }
};

TEST_F(NSLocaleQOVCurrentTest, ReadsTheLocaleSource) {
    use("en_CA", "fr-CA");
    EXPECT_EQ(NSLocaleQOV::simpleLocaleIdentifier(), "fr_CA");
    EXPECT_EQ(NSLocaleQOV::languageForCurrentLocale(), "fr");
    EXPECT_EQ(NSLocaleQOV::regionForCurrentLocale(), "CA");
    EXPECT_FALSE(NSLocaleQOV::isUnitedStates());
    use("C", "haw");  // doubtful: en_US and its parts
    EXPECT_EQ(NSLocaleQOV::languageForCurrentLocale(), "en");
    EXPECT_EQ(NSLocaleQOV::regionForCurrentLocale(), "US");
}

TEST_F(NSLocaleQOVCurrentTest, ImperialCountries) {
    const std::pair<const char*, bool> cases[] = {
        {"en_US", true}, {"en_LR", true}, {"my_MM", true}, {"en_GB", false}, {"en_CA", false}};
    for (const auto& [locale, imperial] : cases) {
        const std::string identifier(locale);
        use(identifier, identifier.substr(0, 2));
        EXPECT_EQ(NSLocaleQOV::simpleLocaleIdentifier(), identifier);
        EXPECT_EQ(NSLocaleQOV::usesImperialMeasure(), imperial) << locale;
        EXPECT_EQ(NSLocaleQOV::usesMetricMeasure(), !imperial) << locale;
    }
    use("es_US", "es");
    EXPECT_TRUE(NSLocaleQOV::isUnitedStates());
}

}  // namespace
}  // namespace qov
