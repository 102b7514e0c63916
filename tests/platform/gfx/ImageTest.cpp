#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

#include "platform/gfx/BitmapContext.h"
#include "platform/gfx/Image.h"
#include "tests/support/PipeReader.h"
#include "tests/support/TempHome.h"

namespace platform::gfx {
namespace {

std::shared_ptr<Image> redSquare(int size) {
    BitmapContext context(size, size);
    context.fillRect(Rect(0, 0, size, size), Color::rgba(1, 0, 0));
    return context.makeImage();
}

TEST(ImageTest, PngRoundTripKeepsSizeAndPixels) {
    BitmapContext context(8, 4);
    context.fillRect(Rect(0, 0, 4, 4), Color::rgba(0, 0, 1));
    const auto data = context.makeImage()->pngData();
    ASSERT_TRUE(data);
    const auto decoded = Image::fromPNGData(*data);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width(), 8);
    EXPECT_EQ(decoded->height(), 4);
    EXPECT_EQ(decoded->pixel(1, 1), Color::rgba(0, 0, 1));
    EXPECT_EQ(decoded->pixel(6, 1), Color::clear());
}

TEST(ImageTest, MalformedOrTruncatedDataDecodesToNothing) {
    EXPECT_EQ(Image::fromPNGData({}), nullptr);
    EXPECT_EQ(Image::fromPNGData(Data{'n', 'o', 't', ' ', 'p', 'n', 'g'}), nullptr);
    auto data = *redSquare(16)->pngData();
    data.resize(data.size() / 2);
    EXPECT_EQ(Image::fromPNGData(data), nullptr);
    EXPECT_EQ(Image::fromPNGFile("/nonexistent/file.png"), nullptr);
}

TEST(ImageTest, WritesAndReadsFilesAndReportsUnwritablePaths) {
    qovtest::TempHome home;
    const auto path = (home.path() / "square.png").string();
    ASSERT_TRUE(redSquare(5)->writePNG(path));
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    const auto read = Image::fromPNGFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->pixel(4, 4), Color::rgba(1, 0, 0));
    std::string problem;
    EXPECT_FALSE(redSquare(5)->writePNG((home.path() / "missing" / "square.png").string(), problem));
    EXPECT_EQ(problem, "No such file or directory");
    EXPECT_FALSE(redSquare(5)->writePNG(home.path().string(), problem));
    EXPECT_EQ(problem, "it is a folder");
}

TEST(ImageTest, APictureAskedForInAPipeReachesItsReaderAndThePipeStays) {
    qovtest::TempHome home;
    const auto pipe = home.path() / "screen.png";
    qovtest::PipeReader reader(pipe);
    ASSERT_TRUE(reader.isReading());
    BitmapContext context(64, 32);
    context.fillRect(Rect(0, 0, 32, 32), Color::rgba(0, 0, 1));
    const auto picture = context.makeImage();
    std::string problem;
    ASSERT_TRUE(picture->writePNG(pipe.string(), problem)) << problem;
    const std::string& bytes = reader.received();
    const auto read = Image::fromPNGData(Data(bytes.begin(), bytes.end()));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->samePixels(*picture));
    EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status(pipe)));
}

TEST(ImageTest, APictureNeverWritesThroughALinkPlantedBesideIt) {
    qovtest::TempHome home;
    const auto victim = home.path() / "victim";
    std::ofstream(victim) << "precious";
    const auto path = home.path() / "x.png";
    std::filesystem::create_symlink(victim, home.path() / "x.png.tmp");
    ASSERT_TRUE(redSquare(5)->writePNG(path.string()));
    std::ifstream read(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(read), {}), "precious");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0600));
    EXPECT_TRUE(Image::fromPNGFile(path.string()));
}

TEST(ImageTest, CropAndPixelReadsAreClippedToTheImage) {
    BitmapContext context(10, 10);
    context.fillRect(Rect(5, 5, 5, 5), Color::rgba(0, 1, 0));
    const auto image = context.makeImage();
    const auto corner = image->cropped(Rect(5, 5, 20, 20));
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->width(), 5);
    EXPECT_EQ(corner->height(), 5);
    EXPECT_EQ(corner->pixel(0, 0), Color::rgba(0, 1, 0));
    // Left and top come from their own axes: a tall strip right of the middle.
    const auto strip = image->cropped(Rect(6, 2, 4, 6));
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->width(), 4);
    EXPECT_EQ(strip->height(), 6);
    EXPECT_EQ(strip->pixel(0, 2), Color::clear());
    EXPECT_EQ(strip->pixel(0, 3), Color::rgba(0, 1, 0));
    EXPECT_EQ(image->cropped(Rect(20, 20, 5, 5)), nullptr);
    EXPECT_EQ(image->cropped(Rect(2, 2, 0, 3)), nullptr);
    EXPECT_EQ(image->pixel(-1, 0), Color::clear());
    EXPECT_EQ(image->pixel(10, 0), Color::clear());
}

}  // namespace
}  // namespace platform::gfx
