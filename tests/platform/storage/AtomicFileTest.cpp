#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "platform/storage/AppDirectories.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/WriteTemporaries.h"
#include "tests/support/LogCapture.h"
#include "tests/support/PipeReader.h"
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

    // No write's temporary is left in the folder.
    static void expectNoTemporaryIn(const fs::path& folder) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            EXPECT_FALSE(WriteTemporaries::isTemporaryName(entry.path().filename().string())) << entry.path();
        }
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
    expectNoTemporaryIn(home.path());
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

TEST_F(AtomicFileTest, AFileAskedForThroughALinkIsWrittenAtItsTargetAndTheLinkStays) {
    const fs::path pictures = home.path() / "pictures";
    fs::create_directory(pictures);
    std::ofstream(pictures / "latest.png") << "old picture";
    fs::create_symlink(pictures / "latest.png", home.path() / "link.png");
    fs::create_symlink("link.png", home.path() / "link-to-link.png");
    for (const char* name : {"link.png", "link-to-link.png"}) {
        SCOPED_TRACE(name);
        std::string problem;
        ASSERT_TRUE(AtomicFile::writeWhereAsked(home.path() / name, name, problem)) << problem;
        EXPECT_TRUE(fs::is_symlink(home.path() / name));
        EXPECT_EQ(AtomicFile::read(pictures / "latest.png", 100), name);
    }
    expectNoTemporaryIn(home.path());
    expectNoTemporaryIn(pictures);
}

TEST_F(AtomicFileTest, ALinkInTheApplicationsHomeIsReplacedNeverFollowed) {
    const fs::path library = home.path() / "home" / "Library";
    fs::create_directories(library);
    std::ofstream(home.path() / "victim") << "precious";
    fs::create_symlink(home.path() / "victim", library / "screen.png");
    std::string problem;
    ASSERT_TRUE(AtomicFile::writeWhereAsked(library / "screen.png", "picture", problem)) << problem;
    EXPECT_FALSE(fs::is_symlink(library / "screen.png"));
    EXPECT_EQ(AtomicFile::read(library / "screen.png", 100), "picture");
    EXPECT_EQ(AtomicFile::read(home.path() / "victim", 100), "precious");
}

TEST_F(AtomicFileTest, AFileAskedForWhereThereIsNoFileIsRefusedAndWhatIsThereStays) {
    fs::create_directory(home.path() / "folder");
    fs::create_symlink(home.path() / "nowhere.png", home.path() / "dangling.png");
    ASSERT_EQ(::mkfifo((home.path() / "unread").c_str(), 0600), 0);
    struct Case {
        const char* name;
        fs::file_type stays;
        std::string problem;
    };
    for (const Case& test :
         {Case{"folder", fs::file_type::directory, "it is a folder"},
          Case{"unread", fs::file_type::fifo, "it is a pipe that nothing reads"},
          Case{"dangling.png", fs::file_type::symlink,
               "it is a link to " + (home.path() / "nowhere.png").string() + ", which does not exist"},
          Case{"missing/x.png", fs::file_type::not_found, "No such file or directory"}}) {
        SCOPED_TRACE(test.name);
        std::string problem;
        EXPECT_FALSE(AtomicFile::writeWhereAsked(home.path() / test.name, "bytes", problem));
        EXPECT_EQ(problem, test.problem);
        EXPECT_EQ(fs::symlink_status(home.path() / test.name).type(), test.stays);
    }
    EXPECT_FALSE(fs::exists(home.path() / "nowhere.png"));
    EXPECT_TRUE(fs::is_empty(home.path() / "folder"));
    expectNoTemporaryIn(home.path());
}

TEST_F(AtomicFileTest, APipeAskedForReceivesTheBytesAndStaysAPipe) {
    const fs::path pipe = home.path() / "pipe";
    qovtest::PipeReader reader(pipe);
    ASSERT_TRUE(reader.isReading());
    // More than a pipe holds at once: the write waits for the reader.
    const std::string bytes(300 * 1024, 'p');
    std::string problem;
    EXPECT_TRUE(AtomicFile::writeWhereAsked(pipe, bytes, problem)) << problem;
    EXPECT_EQ(reader.received(), bytes);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
    expectNoTemporaryIn(home.path());
}

// The scratch folder's own device node with the null device's numbers: making one needs root.
TEST_F(AtomicFileTest, ACharacterDeviceAskedForIsWrittenIntoAndKeepsItsNodeAndMode) {
    const fs::path device = home.path() / "null";
    if (::geteuid() != 0 || ::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
        GTEST_SKIP() << "making a device node needs root";
    }
    ::chmod(device.c_str(), 0666);  // whatever the umask
    const int opened = ::open(device.c_str(), O_WRONLY | O_CLOEXEC);
    if (opened < 0) {
        GTEST_SKIP() << "the scratch folder's file system opens no device";
    }
    ::close(opened);
    std::string problem;
    EXPECT_TRUE(AtomicFile::writeWhereAsked(device, "picture", problem)) << problem;
    struct stat after {};
    ASSERT_EQ(::lstat(device.c_str(), &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_rdev, ::makedev(1, 3));
    EXPECT_EQ(after.st_mode & 07777, 0666u);
    expectNoTemporaryIn(home.path());
}

}  // namespace
}  // namespace platform
