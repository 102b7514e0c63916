#include <chrono>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/storage/WriteTemporaries.h"
#include "tests/support/TempHome.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

TEST(WriteTemporariesTest, AFolderReplacedByASymbolicLinkIsNotFollowed) {
    qovtest::TempHome temp;
    const fs::path elsewhere = temp.path() / "elsewhere";
    fs::create_directory(elsewhere);
    const fs::path leftover = elsewhere / "qovara-tmp-a.plist-Ab12Cd";
    std::ofstream(leftover) << "left over";
    fs::last_write_time(leftover, fs::file_time_type::clock::now() - std::chrono::hours(2));
    // The application's folder, swapped for a link to another one that holds an old temporary.
    const fs::path swapped = temp.path() / "AppCache";
    fs::create_directory_symlink(elsewhere, swapped);

    WriteTemporaries::removeLeftovers(swapped);
    WriteTemporaries::removeLeftovers(swapped / "");
    EXPECT_TRUE(fs::exists(leftover));
    EXPECT_TRUE(fs::is_symlink(swapped));

    WriteTemporaries::removeLeftovers(elsewhere);  // the same file in a folder of its own goes
    EXPECT_FALSE(fs::exists(leftover));
}

}  // namespace
}  // namespace platform
