#include "platform/storage/LocaleSource.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/storage/UserDefaults.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/ScopedEnvironmentVariable.h"
#include "tests/support/TempHome.h"

namespace platform {
namespace {

class LocaleSourceTest : public qovtest::ManualClockFixture {
protected:
    LocaleSourceTest() { UserDefaults::resetStandard(m_defaults); }
    ~LocaleSourceTest() override { UserDefaults::resetStandard(nullptr); }

    qovtest::TempHome m_home;
    std::shared_ptr<UserDefaults> m_defaults = std::make_shared<UserDefaults>(m_home.path() / "defaults.plist");
    qovtest::ScopedEnvironmentVariable m_all{"LC_ALL", nullptr};
    qovtest::ScopedEnvironmentVariable m_messages{"LC_MESSAGES", nullptr};
    qovtest::ScopedEnvironmentVariable m_lang{"LANG", nullptr};
    qovtest::ScopedEnvironmentVariable m_language{"LANGUAGE", nullptr};
};

TEST_F(LocaleSourceTest, LocaleComesFromTheFirstVariableSet) {
    EXPECT_EQ(LocaleSource::currentLocaleIdentifier(), "en_US");
    const qovtest::ScopedEnvironmentVariable lang("LANG", "fr_CA.UTF-8");
    EXPECT_EQ(LocaleSource::currentLocaleIdentifier(), "fr_CA");
    const qovtest::ScopedEnvironmentVariable messages("LC_MESSAGES", "de_DE@euro");
    EXPECT_EQ(LocaleSource::currentLocaleIdentifier(), "de_DE");
    const qovtest::ScopedEnvironmentVariable all("LC_ALL", "haw");
    EXPECT_EQ(LocaleSource::currentLocaleIdentifier(), "haw");
}

TEST_F(LocaleSourceTest, PosixAndMalformedLocalesFallBackToEnglishUs) {
    for (const char* value : {"C", "POSIX", "C.UTF-8", "english", "e_US", "en_/etc", "en_US_extra"}) {
        const qovtest::ScopedEnvironmentVariable lang("LANG", value);
        EXPECT_EQ(LocaleSource::currentLocaleIdentifier(), "en_US") << value;
    }
    const qovtest::ScopedEnvironmentVariable lang("LANG", "es_419.UTF-8");  // a region code of digits
    EXPECT_EQ(LocaleSource::currentLocaleIdentifier(), "es_419");
}

TEST_F(LocaleSourceTest, LanguagesComeFromTheDefaultsThenLanguageThenTheLocale) {
    const qovtest::ScopedEnvironmentVariable lang("LANG", "en_GB.UTF-8");
    EXPECT_EQ(LocaleSource::preferredLanguages(), std::vector<std::string>{"en-GB"});

    const qovtest::ScopedEnvironmentVariable language("LANGUAGE", "de:pt_BR::C:fr_FR.UTF-8");
    EXPECT_EQ(LocaleSource::preferredLanguages(), (std::vector<std::string>{"de", "pt-BR", "fr-FR"}));

    m_defaults->setObject(Array{"zh-Hans", 4, "", "en"}, "AppleLanguages");
    EXPECT_EQ(LocaleSource::preferredLanguages(), (std::vector<std::string>{"zh-Hans", "en"}));

    m_defaults->setObject(Array{7}, "AppleLanguages");  // no strings at all
    EXPECT_EQ(LocaleSource::preferredLanguages(), (std::vector<std::string>{"de", "pt-BR", "fr-FR"}));
}

}  // namespace
}  // namespace platform
