#include "platform/security/SecretStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/storage/AppDirectories.h"
#include "platform/storage/PropertyList.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"

namespace platform::security {

// Failures print the status number.
void PrintTo(SecretStatus status, std::ostream* stream) { *stream << static_cast<int>(status); }

namespace {

using namespace std::string_literals;

Data bytes(std::string_view text) { return Data(text.begin(), text.end()); }

std::string readFile(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path& file, std::string_view text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

std::string binaryPlist(const Value& value) {
    const PlistNode root = PropertyList::fromValue(value);
    return PropertyList::binaryBytes(root.get()).value();
}

mode_t modeOf(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 0777;
}

class SecretStoreTest : public qovtest::ManualClockFixture {
protected:
    // A store as a fresh process would have it: its own directories object on the same home.
    SecretStore freshStore() const { return SecretStore(std::make_shared<AppDirectories>(m_home.path())); }

    std::vector<std::string> filesBesideTheStore() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_store.file().parent_path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    qovtest::TempHome m_home;
    SecretStore m_store = freshStore();
};

TEST_F(SecretStoreTest, ItemsSurviveToAnotherInstanceAndOnlyExistingOnesAreUpdated) {
    EXPECT_EQ(m_store.file(), m_home.path() / "Library" / "Keychains" / "secrets.plist");
    EXPECT_EQ(m_store.update("mail", "ann", bytes("new")), SecretStatus::ItemNotFound);
    EXPECT_FALSE(std::filesystem::exists(m_store.file()));
    ASSERT_EQ(m_store.add("mail", "ann", bytes("first")), SecretStatus::Success);
    ASSERT_EQ(m_store.add("mail", "bob", Data{0, 255, 0}), SecretStatus::Success);
    ASSERT_EQ(m_store.add("chat", "ann", Data{}), SecretStatus::Success);

    SecretStore other = freshStore();
    Data value;
    EXPECT_EQ(other.copyMatching("mail", "ann", &value), SecretStatus::Success);
    EXPECT_EQ(value, bytes("first"));
    EXPECT_EQ(other.copyMatching("mail", "bob", &value), SecretStatus::Success);
    EXPECT_EQ(value, (Data{0, 255, 0}));
    EXPECT_EQ(other.copyMatching("chat", "ann", &value), SecretStatus::Success);
    EXPECT_TRUE(value.empty());
    EXPECT_EQ(other.copyMatching("chat", "bob"), SecretStatus::ItemNotFound);
    EXPECT_EQ(other.add("mail", "ann", bytes("second")), SecretStatus::DuplicateItem);  // changes nothing
    EXPECT_EQ(m_store.copyMatching("mail", "ann", &value), SecretStatus::Success);
    EXPECT_EQ(value, bytes("first"));

    EXPECT_EQ(m_store.update("mail", "ann", bytes("new")), SecretStatus::Success);
    EXPECT_EQ(freshStore().copyMatching("mail", "ann", &value), SecretStatus::Success);
    EXPECT_EQ(value, bytes("new"));
    EXPECT_EQ(freshStore().copyMatching("mail", "bob", &value), SecretStatus::Success);
    EXPECT_EQ(value, (Data{0, 255, 0}));
}

TEST_F(SecretStoreTest, RemoveTakesOneAccountOrTheWholeService) {
    EXPECT_EQ(m_store.remove("mail"), SecretStatus::ItemNotFound);
    ASSERT_EQ(m_store.add("mail", "ann", bytes("1")), SecretStatus::Success);
    ASSERT_EQ(m_store.add("mail", "bob", bytes("2")), SecretStatus::Success);
    ASSERT_EQ(m_store.add("mail", "cy", bytes("3")), SecretStatus::Success);
    ASSERT_EQ(m_store.add("chat", "ann", bytes("4")), SecretStatus::Success);

    EXPECT_EQ(m_store.remove("mail", "ann"), SecretStatus::Success);
    EXPECT_EQ(m_store.remove("mail", "ann"), SecretStatus::ItemNotFound);
    EXPECT_EQ(m_store.copyMatching("mail", "bob"), SecretStatus::Success);

    EXPECT_EQ(m_store.remove("mail"), SecretStatus::Success);
    const SecretStore other = freshStore();
    EXPECT_EQ(other.copyMatching("mail", "bob"), SecretStatus::ItemNotFound);
    EXPECT_EQ(other.copyMatching("mail", "cy"), SecretStatus::ItemNotFound);
    EXPECT_EQ(other.copyMatching("chat", "ann"), SecretStatus::Success);
    EXPECT_EQ(m_store.remove("mail"), SecretStatus::ItemNotFound);
}

TEST_F(SecretStoreTest, OnlyTheOwnerMayReadTheFile) {
    ASSERT_EQ(m_store.add("mail", "ann", bytes("secret")), SecretStatus::Success);
    EXPECT_EQ(modeOf(m_store.file()), 0600U);
    EXPECT_EQ(modeOf(m_store.file().parent_path()), 0700U);
    ASSERT_EQ(m_store.update("mail", "ann", bytes("other")), SecretStatus::Success);
    EXPECT_EQ(modeOf(m_store.file()), 0600U);
    EXPECT_EQ(filesBesideTheStore(), std::vector<std::string>{"secrets.plist"});  // no temporary file left
}

TEST_F(SecretStoreTest, HostileTextsAreJustKeys) {
    const std::vector<std::string> texts{
        "", "../../etc/passwd", "/", "a\0b"s, "a", "\xff\xfe not UTF-8", "<key>$class</key>", std::string(4096, 'x'),
    };
    for (std::size_t index = 0; index < texts.size(); ++index) {
        ASSERT_EQ(m_store.add(texts[index], texts[texts.size() - 1 - index], Data{std::uint8_t(index)}),
                  SecretStatus::Success)
            << index;
    }
    const SecretStore other = freshStore();
    for (std::size_t index = 0; index < texts.size(); ++index) {
        Data value;
        EXPECT_EQ(other.copyMatching(texts[index], texts[texts.size() - 1 - index], &value), SecretStatus::Success)
            << index;
        EXPECT_EQ(value, Data{std::uint8_t(index)}) << index;
    }
    EXPECT_EQ(other.copyMatching("a", "a"), SecretStatus::ItemNotFound);  // "a\0b" is not cut short
    EXPECT_EQ(filesBesideTheStore(), std::vector<std::string>{"secrets.plist"});
}

TEST_F(SecretStoreTest, SuccessMeansAFreshStoreReadsItBack) {
    ASSERT_EQ(m_store.add("mail", "ann", bytes("small")), SecretStatus::Success);
    for (const std::size_t size : {std::size_t{70'000}, std::size_t{3'000'000}}) {
        const Data large(size, 0x5a);
        const auto status = m_store.add("large", std::to_string(size), large);
        const SecretStore other = freshStore();
        Data value;
        if (status == SecretStatus::Success) {
            EXPECT_EQ(other.copyMatching("large", std::to_string(size), &value), SecretStatus::Success);
            EXPECT_EQ(value, large);
        } else {
            EXPECT_EQ(status, SecretStatus::IOError);
        }
        EXPECT_EQ(other.copyMatching("mail", "ann", &value), SecretStatus::Success) << size;
        EXPECT_EQ(value, bytes("small"));
    }
}

TEST_F(SecretStoreTest, ACorruptFileIsMovedAsideAndTheStoreStartsEmpty) {
    const std::vector<std::string> corruptFiles{
        "garbage, not a property list",
        "",
        binaryPlist(Dictionary{{"service", Data{1}}}),                                          // not a list
        binaryPlist(Array{Dictionary{{"service", bytes("mail")}, {"account", bytes("ann")}}}),  // no value
        binaryPlist(Array{Dictionary{{"service", "mail"}, {"account", bytes("ann")}, {"value", Data{1}}}}),
        binaryPlist(Array{Value(1)}),
        binaryPlist(Array{Dictionary{{"service", bytes("mail")}, {"account", bytes("ann")}, {"value", Data{1}}}})
            .substr(0, 40),  // truncated
    };
    for (std::size_t index = 0; index < corruptFiles.size(); ++index) {
        writeFile(m_store.file(), corruptFiles[index]);
        EXPECT_EQ(m_store.copyMatching("mail", "ann"), SecretStatus::ItemNotFound) << index;
        EXPECT_FALSE(std::filesystem::exists(m_store.file())) << index;
        const auto aside = m_store.file().string() + ".corrupt-" + std::to_string(1'800'000'000 + index);
        EXPECT_EQ(readFile(aside), corruptFiles[index]) << index;  // kept for inspection
        advance(1.0);
    }
    EXPECT_EQ(m_store.add("mail", "ann", bytes("fresh")), SecretStatus::Success);
    EXPECT_EQ(freshStore().copyMatching("mail", "ann"), SecretStatus::Success);
}

TEST_F(SecretStoreTest, AnUnreadableOrUnwritablePlaceAnswersIOErrorAndKeepsWhatIsThere) {
    // A folder where the file belongs can be neither read nor replaced, and must not be moved aside.
    std::filesystem::create_directories(m_store.file() / "inside");
    EXPECT_EQ(m_store.copyMatching("mail", "ann"), SecretStatus::IOError);
    EXPECT_EQ(m_store.add("mail", "ann", bytes("secret")), SecretStatus::IOError);
    EXPECT_EQ(m_store.remove("mail"), SecretStatus::IOError);
    EXPECT_TRUE(std::filesystem::is_directory(m_store.file() / "inside"));

    // A file where the store's folder belongs: nothing can be saved.
    const qovtest::TempHome otherHome;
    writeFile(otherHome.path() / "Library" / "Keychains", "in the way");
    SecretStore blocked(std::make_shared<AppDirectories>(otherHome.path()));
    EXPECT_EQ(blocked.add("mail", "ann", bytes("secret")), SecretStatus::IOError);
    EXPECT_EQ(readFile(otherHome.path() / "Library" / "Keychains"), "in the way");
}

}  // namespace
}  // namespace platform::security
