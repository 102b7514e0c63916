#include "app/core/services/ApplicationGuid.h"

#include <gtest/gtest.h>

#include <regex>

#include "platform/storage/UserDefaults.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

class ApplicationGuidTest : public ::testing::Test {
protected:
    std::filesystem::path file() const { return m_home.path() / "defaults.plist"; }

    qovtest::TempHome m_home;
};

TEST_F(ApplicationGuidTest, MakesOneUpperCaseUuidAndWritesItAtOnce) {
    std::string guid;
    {
        platform::UserDefaults defaults(file());
        guid = ApplicationGuid::guidFromDefaults(defaults);
        const std::regex uuidV4("[0-9A-F]{8}-[0-9A-F]{4}-4[0-9A-F]{3}-[89AB][0-9A-F]{3}-[0-9A-F]{12}");
        EXPECT_TRUE(std::regex_match(guid, uuidV4)) << guid;
        EXPECT_EQ(ApplicationGuid::guidFromDefaults(defaults), guid);
    }
    // A later process reads the same identifier.
    platform::UserDefaults reopened(file());
    EXPECT_EQ(reopened.stringForKey(ApplicationGuid::kDefaultsKey), guid);
    EXPECT_EQ(ApplicationGuid::guidFromDefaults(reopened), guid);
}

TEST_F(ApplicationGuidTest, KeepsAStoredIdentifierAndReplacesOneOfTheWrongKind) {
    platform::UserDefaults defaults(file());
    defaults.setString("stored-id", ApplicationGuid::kDefaultsKey);
    EXPECT_EQ(ApplicationGuid::guidFromDefaults(defaults), "stored-id");

    defaults.setInteger(42, ApplicationGuid::kDefaultsKey);
    const std::string replaced = ApplicationGuid::guidFromDefaults(defaults);
    EXPECT_EQ(replaced.size(), 36u);
    EXPECT_EQ(defaults.stringForKey(ApplicationGuid::kDefaultsKey), replaced);
}

}  // namespace
}  // namespace qov
