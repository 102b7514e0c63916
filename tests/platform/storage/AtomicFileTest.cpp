#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/storage/AtomicFile.h"
#include "platform/storage/PrivateFolder.h"
#include "platform/storage/WriteTemporaries.h"
#include "tests/support/TempHome.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void touch(const fs::path& file) const { std::ofstream(file) << "left over"; }
    qovtest::TempHome home;
};

TEST_F(AtomicFileTest, WriteReplacesTheFileWithItsModeAndLeavesNoTemporary) {
    const fs::path file = home.path() / "file";
    ASSERT_TRUE(AtomicFile::write(file, "old", 0644));
    ASSERT_TRUE(AtomicFile::write(file, "new", 0600));
    EXPECT_EQ(AtomicFile::read(file, 16), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0600));
    EXPECT_EQ(std::distance(fs::directory_iterator(home.path()), fs::directory_iterator()), 1);
}

TEST_F(AtomicFileTest, FailureSaysWhy) {
    std::error_code error;
    EXPECT_FALSE(AtomicFile::write(home.path() / "missing" / "file", "bytes", 0600, error));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}

TEST_F(AtomicFileTest, FirstWriteIntoAFolderRemovesLeftoversButNotWritesUnderWay) {
    const fs::path folder = home.path() / "folder";
    fs::create_directory(folder);
    const fs::path leftover = folder / "a.plist.tmp-Ab12Cd";
    const fs::path underWay = folder / "b.plist.tmp-Zz99Yy";
    for (const auto& name : {"a.plist.tmp-Ab12Cd", "b.plist.tmp-Zz99Yy", "c.tmp-12345", "d.plist.corrupt-17"}) {
        touch(folder / name);
    }
    WriteTemporaries::registerInFlight(underWay);
    ASSERT_TRUE(AtomicFile::write(folder / "e.plist", "bytes"));
    WriteTemporaries::unregisterInFlight(underWay);

    EXPECT_FALSE(fs::exists(leftover));
    for (const auto& name : {"b.plist.tmp-Zz99Yy", "c.tmp-12345", "d.plist.corrupt-17", "e.plist"}) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    }
    // Later writes leave the folder to the explicit sweep.
    touch(leftover);
    ASSERT_TRUE(AtomicFile::write(folder / "e.plist", "bytes"));
    EXPECT_TRUE(fs::exists(leftover));
    WriteTemporaries::removeLeftovers(folder);
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_FALSE(fs::exists(underWay));
}

TEST_F(AtomicFileTest, PrivateFolderIsMadeOrNarrowedTo0700) {
    const fs::path made = home.path() / "made";
    const fs::path open = home.path() / "open";
    fs::create_directory(open);
    fs::permissions(open, fs::perms(0755));
    for (const auto& folder : {made, open}) {
        EXPECT_FALSE(PrivateFolder::ensure(folder)) << folder;
        EXPECT_EQ(fs::status(folder).permissions(), fs::perms(0700)) << folder;
    }
    touch(home.path() / "file");
    EXPECT_EQ(PrivateFolder::ensure(home.path() / "file"), std::errc::file_exists);
    EXPECT_EQ(PrivateFolder::ensure(home.path() / "no" / "parent"), std::errc::no_such_file_or_directory);
}

}  // namespace
}  // namespace platform
