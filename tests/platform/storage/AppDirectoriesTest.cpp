#include "platform/storage/AppDirectories.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/support/ScopedEnvironmentVariable.h"
#include "tests/support/TempHome.h"

namespace platform {
namespace {

TEST(AppDirectoriesTest, DirectoriesFollowTheSandboxLayoutAndAreCreated) {
    const qovtest::TempHome temp;
    const auto home = temp.path() / "home";
    const AppDirectories directories(home);
    for (const auto& [folder, expected] :
         {std::pair{directories.cachesDirectory(), home / "Library" / "Caches"},
          std::pair{directories.documentsDirectory(), home / "Documents"},
          std::pair{directories.preferencesDirectory(), home / "Library" / "Preferences"}}) {
        EXPECT_EQ(folder, expected);
        EXPECT_TRUE(std::filesystem::is_directory(expected));
    }
}

TEST(AppDirectoriesTest, AFolderThatCannotBeMadeIsLoggedNotFatal) {
    const qovtest::TempHome temp;
    std::ofstream(temp.path() / "file") << "x";
    const AppDirectories directories(temp.path() / "file");
    EXPECT_EQ(directories.cachesDirectory(), temp.path() / "file" / "Library" / "Caches");
}

TEST(AppDirectoriesTest, DefaultHomeFollowsXdgDataHomeThenHome) {
    {
        const qovtest::ScopedEnvironmentVariable data("XDG_DATA_HOME", "/data/home");
        EXPECT_EQ(AppDirectories::defaultHome(), "/data/home/qovara");
    }
    const qovtest::ScopedEnvironmentVariable home("HOME", "/users/someone");
    {
        const qovtest::ScopedEnvironmentVariable relative("XDG_DATA_HOME", "relative/ignored");
        EXPECT_EQ(AppDirectories::defaultHome(), "/users/someone/.local/share/qovara");
    }
    const qovtest::ScopedEnvironmentVariable unset("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(AppDirectories::defaultHome(), "/users/someone/.local/share/qovara");
}

}  // namespace
}  // namespace platform
