#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/storage/AtomicFile.h"
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
}

TEST_F(AtomicFileTest, WritesReplaceASymbolicLinkInsteadOfWritingThroughItAndArePrivateWhateverTheUmask) {
    const fs::path victim = home.path() / "victim";
    std::ofstream(victim) << "precious";
    fs::permissions(victim, fs::perms(0644));
    const mode_t previous = ::umask(0);
    for (const bool durable : {true, false}) {
        SCOPED_TRACE(durable ? "durable" : "replaceable");
        const fs::path file = home.path() / "file.plist";
        fs::remove(file);
        fs::create_symlink(victim, file);
        ASSERT_TRUE(durable ? AtomicFile::write(file, "new") : AtomicFile::writeReplaceable(file, "new"));
        EXPECT_FALSE(fs::is_symlink(file));
        EXPECT_EQ(AtomicFile::read(file, 100), "new");
        EXPECT_EQ(fs::status(file).permissions(), fs::perms(0600));
    }
    ::umask(previous);
    EXPECT_EQ(AtomicFile::read(victim, 100), "precious");
    EXPECT_EQ(fs::status(victim).permissions(), fs::perms(0644));
    for (const auto& entry : fs::directory_iterator(home.path())) {
        EXPECT_FALSE(WriteTemporaries::isTemporaryName(entry.path().filename().string())) << entry.path();
    }
}

TEST_F(AtomicFileTest, AFailedWriteLeavesNoTemporaryBehind) {
    const fs::path folder = home.path() / "folder";
    fs::create_directory(folder);
    fs::create_directory(folder / "file");  // a folder where the file should go: the rename fails
    EXPECT_FALSE(AtomicFile::write(folder / "file", "bytes"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace platform
