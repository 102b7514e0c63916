#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace platform
