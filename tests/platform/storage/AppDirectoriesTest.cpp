#include "platform/storage/AppDirectories.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/storage/AtomicFile.h"

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

TEST(AppDirectoriesTest, OnlyWhatTheApplicationMakesInAnExistingHomeIsMadePrivate) {
    namespace fs = std::filesystem;
    const qovtest::TempHome temp;
    const auto home = temp.path() / "home";
    fs::create_directories(home / "scripts");
    fs::create_directories(home / "shared");
    std::ofstream(home / "scripts" / "run") << "#!/bin/sh\n";
    const std::vector<std::pair<fs::path, fs::perms>> foreign{{home, fs::perms(0755)},
                                                              {home / "scripts", fs::perms(0755)},
                                                              {home / "scripts" / "run", fs::perms(0755)},
                                                              {home / "shared", fs::perms(01777)}};
    for (const auto& [path, mode] : foreign) {
        fs::permissions(path, mode);
    }
    fs::create_directory(home / "Documents");
    fs::permissions(home / "Documents", fs::perms(0755));  // the user's own, there before

    const AppDirectories directories(home);
    ASSERT_TRUE(AtomicFile::write(directories.preferencesDirectory() / "defaults.plist", "<plist/>"));
    ASSERT_TRUE(AtomicFile::write(directories.documentsDirectory() / "shot.png", "picture"));
    ASSERT_TRUE(AtomicFile::write(directories.cachesDirectory() / "tile", "tile"));

    for (const auto& [path, mode] : foreign) {
        EXPECT_EQ(fs::status(path).permissions(), mode) << path;
    }
    EXPECT_EQ(fs::status(home / "Documents").permissions(), fs::perms(0755));
    for (const auto& folder : {home / "Library", home / "Library" / "Caches", home / "Library" / "Preferences"}) {
        EXPECT_EQ(fs::status(folder).permissions(), fs::perms(0700)) << folder;
    }
    for (const auto& file : {home / "Library" / "Preferences" / "defaults.plist", home / "Documents" / "shot.png",
                             home / "Library" / "Caches" / "tile"}) {
        EXPECT_EQ(fs::status(file).permissions(), fs::perms(0600)) << file;
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
