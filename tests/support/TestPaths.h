#pragma once

#include <filesystem>

namespace qovtest {

// Folders the build was configured with. Only TestPaths.cpp sees the build's paths, so no other test object
// depends on where the checkout or the build folder lies.
std::filesystem::path buildBundleDirectory();    // the build's copy of the application bundle
std::filesystem::path testsDirectory();          // tests/ of the checkout
std::filesystem::path testFixturesDirectory();   // tests/fixtures of the checkout
std::filesystem::path simulatorDataDirectory();  // the stand-in service's data folder of the checkout

}  // namespace qovtest
