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
    const AppDirectories directories(temp.path() / "home");
    EXPECT_EQ(directories.cachesDirectory(), temp.path() / "home" / "Library" / "Caches");
    EXPECT_EQ(directories.documentsDirectory(), temp.path() / "home" / "Documents");
    EXPECT_EQ(directories.preferencesDirectory(), temp.path() / "home" / "Library" / "Preferences");
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "home" / "Library" / "Caches"));
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "home" / "Documents"));
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "home" / "Library" / "Preferences"));
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

TEST(AppDirectoriesTest, SharedInstanceCanBeReplacedAndMoved) {
    const qovtest::TempHome temp;
    const auto previous = AppDirectories::shared();
    AppDirectories::setShared(std::make_shared<AppDirectories>(temp.path()));
    EXPECT_EQ(AppDirectories::shared()->home(), temp.path());
    AppDirectories::shared()->setHome(temp.path() / "moved");
    EXPECT_EQ(AppDirectories::shared()->documentsDirectory(), temp.path() / "moved" / "Documents");
    AppDirectories::setShared(previous);
    EXPECT_EQ(AppDirectories::shared(), previous);
}

}  // namespace
}  // namespace platform
