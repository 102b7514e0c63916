#include "platform/storage/FolderWriters.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/AccessList.h"
#include "tests/support/TempHome.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

FolderWriters writersOf(const fs::path& folder) {
    struct stat status {};
    EXPECT_EQ(::stat(folder.c_str(), &status), 0);
    return FolderWriters::of(folder, status);
}

TEST(FolderWritersTest, NamedUsersAndGroupsWhoseEntriesGrantWriteAreOthersUnlessMaskedAway) {
    struct Case {
        std::string entries;  // as setfacl -m takes them
        std::vector<unsigned> users;
        std::vector<unsigned> groups;
    };
    const std::string owner = std::to_string(::geteuid());
    const std::string owningGroup = std::to_string(::getegid());
    for (const Case& test : {
             Case{"u:65534:rwx", {65534}, {}},
             Case{"g:100:-w-", {}, {100}},
             Case{"u:65534:rwx,u:65533:rw-,g:100:rwx", {65533, 65534}, {100}},
             Case{"u:65534:rwx,m::r-x", {}, {}},  // the mask takes write away
             Case{"u:65534:r-x,g:100:r-x", {}, {}},
             Case{"g::rwx", {}, {}},  // the owning group is the user's to share with
             Case{"u:" + owner + ":rwx,g:" + owningGroup + ":rwx", {}, {}},
         }) {
        SCOPED_TRACE(test.entries);
        qovtest::TempHome temp;
        if (!qovtest::addAccessListEntries(temp.path(), test.entries)) {
            GTEST_SKIP() << "setfacl cannot set access lists here";
        }
        const FolderWriters writers = writersOf(temp.path());
        EXPECT_FALSE(writers.error) << writers.error.message();
        EXPECT_FALSE(writers.everyone);
        EXPECT_EQ(writers.users, test.users);
        EXPECT_EQ(writers.groups, test.groups);
        EXPECT_EQ(writers.any(), !test.users.empty() || !test.groups.empty());
    }
}

TEST(FolderWritersTest, TheModesOthersWriteBitIsEveryoneAndAFolderWithoutAListHasNoNamedWriters) {
    qovtest::TempHome temp;
    fs::permissions(temp.path(), fs::perms(01777));
    const FolderWriters writers = writersOf(temp.path());
    EXPECT_TRUE(writers.everyone);
    EXPECT_TRUE(writers.users.empty());
    EXPECT_FALSE(writers.error);
}

TEST(FolderWritersTest, AListTheKernelWouldNotWriteLeavesWhoMayWriteUnknown) {
    struct stat status {};
    status.st_mode = S_IFDIR | 0700;
    // Version 2, one owner entry (tag 1, rwx, no id): well formed.
    const std::string owner("\x02\x00\x00\x00\x01\x00\x07\x00\xff\xff\xff\xff", 12);
    EXPECT_FALSE(FolderWriters::fromAccessList(owner, status).error);
    for (const std::string& bytes :
         {std::string("\x01\x00\x00\x00", 4) + owner.substr(4), owner.substr(0, 10), std::string("\x02\x00", 2)}) {
        EXPECT_EQ(FolderWriters::fromAccessList(bytes, status).error, std::errc::bad_message);
    }
}

}  // namespace
}  // namespace platform
