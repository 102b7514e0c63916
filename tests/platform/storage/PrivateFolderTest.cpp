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

TEST(PrivateFolderTest, AnExistingHomeIsNarrowedWithoutFollowingLinks) {
    qovtest::TempHome temp;
    const fs::path home = temp.path() / "home";
    const fs::path outside = temp.path() / "outside";
    fs::create_directories(home / "Library" / "Caches");
    std::ofstream(home / "Library" / "Caches" / "tile.MapCache") << "x";
    std::ofstream(home / "shot.png") << "x";
    std::ofstream(outside) << "x";
    fs::create_symlink(outside, home / "link");
    for (const auto& path : {home, home / "Library", home / "Library" / "Caches"}) {
        fs::permissions(path, fs::perms(0777));
    }
    for (const auto& path : {home / "Library" / "Caches" / "tile.MapCache", home / "shot.png", outside}) {
        fs::permissions(path, fs::perms(0666));
    }

    EXPECT_EQ(PrivateFolder::narrowHome(home), "");
    for (const auto& folder : {home, home / "Library", home / "Library" / "Caches"}) {
        EXPECT_EQ(modeOf(folder), fs::perms(0700)) << folder;
    }
    for (const auto& file : {home / "Library" / "Caches" / "tile.MapCache", home / "shot.png"}) {
        EXPECT_EQ(modeOf(file), fs::perms(0600)) << file;
    }
    EXPECT_EQ(modeOf(outside), fs::perms(0666)) << "a link's target outside the home is not ours to change";
}

TEST(PrivateFolderTest, AHomeThatIsNotAFolderOrNotOursIsRefused) {
    qovtest::TempHome temp;
    std::ofstream(temp.path() / "file") << "x";
    EXPECT_EQ(PrivateFolder::narrowHome(temp.path() / "file"),
              "the home " + (temp.path() / "file").string() + " is not a folder");
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a folder to another user";
    }
    const fs::path theirs = temp.path() / "theirs";
    fs::create_directory(theirs);
    fs::permissions(theirs, fs::perms(0777));
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    EXPECT_NE(PrivateFolder::narrowHome(theirs).find("belongs to another user (uid 65534)"), std::string::npos);
    EXPECT_EQ(modeOf(theirs), fs::perms(0777));
}

}  // namespace
}  // namespace platform
