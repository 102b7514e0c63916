#include "app/core/services/QOVKeychainService.h"

#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "platform/security/SecretStore.h"
#include "platform/storage/AppDirectories.h"
#include "tests/support/TempHome.h"

namespace qov {
namespace {

class KeychainServiceTest : public ::testing::Test {
protected:
    qovtest::TempHome home;
    std::shared_ptr<platform::security::SecretStore> store =
        std::make_shared<platform::security::SecretStore>(std::make_shared<platform::AppDirectories>(home.path()));
    QOVKeychainService keychain{store};
};

TEST_F(KeychainServiceTest, APasswordIsSavedReadBackAndReplaced) {
    EXPECT_TRUE(keychain.saveGenericPassword("first", "alice", "twitter"));
    EXPECT_EQ(keychain.genericPasswordForAccount("alice", "twitter"), "first");
    EXPECT_TRUE(keychain.saveGenericPassword("second", "alice", "twitter"));
    EXPECT_EQ(keychain.genericPasswordForAccount("alice", "twitter"), "second");
    EXPECT_FALSE(keychain.genericPasswordForAccount("bob", "twitter"));
    EXPECT_FALSE(keychain.deleteService("facebook"));  // nothing to delete
    EXPECT_TRUE(keychain.deleteService("twitter"));
    EXPECT_FALSE(keychain.genericPasswordForAccount("alice", "twitter"));
}

TEST_F(KeychainServiceTest, EmptyTextsAreOrdinaryValuesAndAbsentOnesAreRefused) {
    EXPECT_TRUE(keychain.saveGenericPassword("", "", ""));
    EXPECT_EQ(keychain.genericPasswordForAccount("", ""), "");
    std::filesystem::remove(store->file());
    EXPECT_FALSE(keychain.saveGenericPassword(std::nullopt, "alice", "twitter"));
    EXPECT_FALSE(keychain.saveGenericPassword("secret", "alice", std::nullopt));
    EXPECT_FALSE(keychain.genericPasswordForAccount("alice", std::nullopt));
    EXPECT_FALSE(keychain.deleteService(std::nullopt));
    EXPECT_FALSE(std::filesystem::exists(store->file()));
}

TEST_F(KeychainServiceTest, AStoreThatCannotBeWrittenAnswersNo) {
    ASSERT_TRUE(keychain.saveGenericPassword("a", "alice", "twitter"));
    // A folder in place of the store's file: it can be neither read nor replaced.
    std::filesystem::remove(store->file());
    std::filesystem::create_directories(store->file() / "blocked");
    EXPECT_FALSE(keychain.saveGenericPassword("b", "bob", "twitter"));
    EXPECT_FALSE(keychain.genericPasswordForAccount("alice", "twitter"));
    EXPECT_FALSE(keychain.deleteService("twitter"));
}

TEST_F(KeychainServiceTest, AValueThatIsNotUtf8ReadsAsNone) {
    ASSERT_EQ(store->add("svc", "acct", platform::Data{0xff, 0xfe, 0x41}), platform::security::SecretStatus::Success);
    EXPECT_FALSE(keychain.genericPasswordForAccount("acct", "svc"));
    // Saving replaces it with text.
    EXPECT_TRUE(keychain.saveGenericPassword("ok", "acct", "svc"));
    EXPECT_EQ(keychain.genericPasswordForAccount("acct", "svc"), "ok");
}

}  // namespace
}  // namespace qov
