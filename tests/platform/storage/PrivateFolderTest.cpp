#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/storage/PrivateFolder.h"
#include "tests/support/TempHome.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

fs::perms modeOf(const fs::path& path) { return fs::symlink_status(path).permissions(); }

TEST(PrivateFolderTest, MissingFoldersAreMadePrivateWhateverTheUmask) {
    for (const mode_t mask : {mode_t{0}, mode_t{022}, mode_t{0777}}) {
        SCOPED_TRACE(mask);
        qovtest::TempHome temp;
        const mode_t previous = ::umask(mask);
        const std::error_code error = PrivateFolder::ensurePath(temp.path() / "a" / "b" / "c");
        ::umask(previous);
        ASSERT_FALSE(error) << error.message();
        for (const auto& folder : {temp.path() / "a", temp.path() / "a" / "b", temp.path() / "a" / "b" / "c"}) {
            EXPECT_EQ(modeOf(folder), fs::perms(0700)) << folder;
        }
    }
}

TEST(PrivateFolderTest, AFileInTheWayIsReported) {
    qovtest::TempHome temp;
    std::ofstream(temp.path() / "file") << "x";
    EXPECT_EQ(PrivateFolder::ensurePath(temp.path() / "file" / "sub"), std::errc::not_a_directory);
}

TEST(PrivateFolderTest, AFolderOrALinkAlreadyThereKeepsItsModes) {
    qovtest::TempHome temp;
    fs::create_directory(temp.path() / "own");
    fs::create_directory(temp.path() / "users");
    fs::permissions(temp.path() / "own", fs::perms(0777));
    fs::permissions(temp.path() / "users", fs::perms(0755));
    fs::create_symlink(temp.path() / "users", temp.path() / "linked");

    EXPECT_FALSE(PrivateFolder::ensure(temp.path() / "own"));
    EXPECT_FALSE(PrivateFolder::ensure(temp.path() / "linked"));
    EXPECT_EQ(modeOf(temp.path() / "own"), fs::perms(0777));
    EXPECT_EQ(modeOf(temp.path() / "users"), fs::perms(0755));
}

TEST(PrivateFolderTest, AHomeThatIsNotAFolderOrNotOursIsRefusedAndALinkOnlyWhenNamed) {
    qovtest::TempHome temp;
    std::ofstream(temp.path() / "file") << "x";
    EXPECT_EQ(PrivateFolder::homeProblem(temp.path() / "file", false),
              "the home " + (temp.path() / "file").string() + " is not a folder");

    const fs::path elsewhere = temp.path() / "elsewhere";
    fs::create_directory(elsewhere);
    fs::create_symlink(elsewhere, temp.path() / "link");
    EXPECT_EQ(PrivateFolder::homeProblem(temp.path() / "link", false), "") << "a home the user names";
    EXPECT_NE(PrivateFolder::homeProblem(temp.path() / "link", true).find("is a symbolic link"), std::string::npos)
        << "a default home";
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a folder to another user";
    }
    const fs::path theirs = temp.path() / "theirs";
    fs::create_directory(theirs);
    fs::permissions(theirs, fs::perms(0777));
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    EXPECT_NE(PrivateFolder::homeProblem(theirs, true).find("belongs to another user (uid 65534)"), std::string::npos);
    EXPECT_EQ(modeOf(theirs), fs::perms(0777));
}

}  // namespace
}  // namespace platform
