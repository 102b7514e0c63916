// The pictures a user asks the runner for go where their paths lead (a pipe that something reads, a link's target),
// and one that cannot go there fails the run with a sentence instead of taking the path's place.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/gfx/Image.h"
#include "tests/cli/RunnerRun.h"
#include "tests/support/PipeReader.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"

namespace {

namespace fs = std::filesystem;

using qovtest::RunnerRun;

class RunnerPictureTargetsTest : public qovtest::SimFixture {
protected:
    RunnerRun run(const std::vector<std::string>& arguments) {
        return qovtest::runRunner(temp() / "home", temp(), arguments);
    }

    fs::path temp() const { return m_temp.path(); }

private:
    qovtest::TempHome m_temp;
};

TEST_F(RunnerPictureTargetsTest, AScreenAskedForInAPipeReachesItsReaderAndThePipeStays) {
    const fs::path pipe = temp() / "screen.png";
    qovtest::PipeReader reader(pipe);
    ASSERT_TRUE(reader.isReading());
    const RunnerRun result = run({"--service", simUrl(), "--virtual-clock", "--shot", pipe.string()});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Screen written to " + pipe.string() + "\n"), std::string::npos) << result.out;
    const std::string& bytes = reader.received();
    const auto screen = platform::gfx::Image::fromPNGData(platform::Data(bytes.begin(), bytes.end()));
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->width(), 320);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(pipe)));
}

TEST_F(RunnerPictureTargetsTest, AScreenAskedForThroughALinkIsWrittenAtItsTargetAndTheLinkStays) {
    const fs::path link = temp() / "latest.png";
    std::ofstream(temp() / "screen-1.png") << "an older screen";
    fs::create_symlink("screen-1.png", link);
    const RunnerRun result = run({"--service", simUrl(), "--virtual-clock", "--shot", link.string()});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Screen written to " + link.string() + "\n"), std::string::npos) << result.out;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(platform::gfx::Image::fromPNGFile((temp() / "screen-1.png").string()), nullptr);
}

TEST_F(RunnerPictureTargetsTest, AScreenThatCannotGoWhereAskedFailsTheRunWithASentence) {
    const fs::path unread = temp() / "unread.png";
    ASSERT_EQ(::mkfifo(unread.c_str(), 0600), 0);
    const fs::path dangling = temp() / "dangling.png";
    fs::create_symlink("nowhere.png", dangling);
    const fs::path script = temp() / "script.txt";
    std::ofstream(script) << "shot " << dangling.string() << "\n";
    const RunnerRun result =
        run({"--service", simUrl(), "--virtual-clock", "--shot", unread.string(), "--script", script.string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("qovara: could not write " + unread.string() + ": it is a pipe that nothing reads\n"),
              std::string::npos)
        << result.err;
    EXPECT_NE(
        result.err.find("cannot write " + dangling.string() + ": it is a link to nowhere.png, which does not exist"),
        std::string::npos)
        << result.err;
    EXPECT_EQ(result.out.find("Screen written to " + unread.string()), std::string::npos) << result.out;
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(unread)));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_FALSE(fs::exists(temp() / "nowhere.png"));
}

}  // namespace
