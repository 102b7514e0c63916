#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/storage/AppDirectories.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/WriteTemporaries.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempHome.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    AtomicFileTest() { AppDirectories::setShared(std::make_shared<AppDirectories>(home.path() / "home")); }
    ~AtomicFileTest() override { AppDirectories::setShared(m_previous); }

    // A file last changed age ago.
    static void plant(const fs::path& file, std::chrono::minutes age) {
        std::ofstream(file) << "left over";
        fs::last_write_time(file, fs::file_time_type::clock::now() - age);
    }

    qovtest::TempHome home;

private:
    std::shared_ptr<AppDirectories> m_previous = AppDirectories::shared();
};

TEST_F(AtomicFileTest, FirstWriteIntoAFolderOfTheHomeRemovesOnlyItsOwnDeadTemporaries) {
    const fs::path folder = home.path() / "home" / "Library";
    fs::create_directories(folder);
    const std::chrono::minutes old(61);
    const std::chrono::minutes young(59);
    plant(folder / "qovara-tmp-a.plist-Ab12Cd", old);            // left by a write that died
    plant(folder / "qovara-tmp-b.plist-Zz99Yy", old);            // a write of this process under way
    plant(folder / "qovara-tmp-c.plist-Xy12Ab", young);          // another process's write under way
    plant(folder / "report.tmp-Ab12Cd", old);                    // another program's
    plant(folder / "d.plist.corrupt-17", old);                   // kept aside for the user
    fs::create_directory(folder / "qovara-tmp-e.plist-Qw12Er");  // not a file
    const fs::path underWay = folder / "qovara-tmp-b.plist-Zz99Yy";
    WriteTemporaries::registerInFlight(underWay);
    ASSERT_TRUE(AtomicFile::write(folder / "e.plist", "bytes"));
    WriteTemporaries::unregisterInFlight(underWay);

    EXPECT_FALSE(fs::exists(folder / "qovara-tmp-a.plist-Ab12Cd"));
    for (const auto& name : {"qovara-tmp-b.plist-Zz99Yy", "qovara-tmp-c.plist-Xy12Ab", "report.tmp-Ab12Cd",
                             "d.plist.corrupt-17", "qovara-tmp-e.plist-Qw12Er", "e.plist"}) {
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    }
}

TEST_F(AtomicFileTest, AUsersFolderOutsideTheHomeIsNeverSwept) {
    const fs::path docs = home.path() / "docs";
    fs::create_directory(docs);
    plant(docs / "report.tmp-Ab12Cd", std::chrono::minutes(600));
    plant(docs / "qovara-tmp-x.png-Ab12Cd", std::chrono::minutes(600));
    ASSERT_TRUE(AtomicFile::write(docs / "x.png", "picture"));
    EXPECT_TRUE(fs::exists(docs / "report.tmp-Ab12Cd"));
    EXPECT_TRUE(fs::exists(docs / "qovara-tmp-x.png-Ab12Cd"));
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

TEST_F(AtomicFileTest, AMissingFileIsReadAsNothingWithoutALogLineWhileOtherFailedReadsSayWhy) {
    fs::create_directory(home.path() / "folder");
    std::ofstream(home.path() / "large") << "twelve bytes";
    struct Case {
        fs::path file;
        const char* logged;  // nullptr: nothing
    };
    for (const Case& test : {Case{home.path() / "missing.plist", nullptr},
                             Case{home.path() / "Library" / "Preferences" / "missing.plist", nullptr},
                             Case{home.path() / "folder", "is not a readable file"},
                             Case{home.path() / "large", "is too large to read (12 bytes, at most 10)"}}) {
        SCOPED_TRACE(test.file);
        const qovtest::LogCapture log;
        EXPECT_EQ(AtomicFile::read(test.file, 10), std::nullopt);
        if (test.logged == nullptr) {
            EXPECT_EQ(log.lines(), std::vector<std::string>{});
        } else {
            EXPECT_TRUE(log.contains(test.logged));
        }
    }
}

}  // namespace
}  // namespace platform
