#include "tests/support/TestPaths.h"

namespace qovtest {

std::filesystem::path buildBundleDirectory() { return QOV_TEST_BUNDLE_DIR; }
std::filesystem::path testsDirectory() { return QOV_TEST_SOURCES_DIR; }
std::filesystem::path testFixturesDirectory() { return QOV_TEST_FIXTURES_DIR; }
std::filesystem::path simulatorDataDirectory() { return QOV_SIM_DATA_DIR; }

}  // namespace qovtest
