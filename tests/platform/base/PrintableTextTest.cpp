#include "platform/base/PrintableText.h"

#include <gtest/gtest.h>

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace platform {
namespace {

TEST(PrintableTextTest, ControlCharactersAndBrokenUtf8BecomeVisibleEscapes) {
    const std::pair<std::string, std::string> cases[] = {
        {"Paris, 18°C \\ ok", "Paris, 18°C \\ ok"},
        {"a\nb\tc\rd", "a\\nb\\tc\\rd"},
        {"\x1b[2J\x07", "\\x1B[2J\\x07"},
        {std::string("nul\0end", 7), "nul\\x00end"},
        {"\xc2\x9b"
         "31m",
         "\\u009B31m"},
        {"\x9b"
         "31m",
         "\\x9B31m"},
        {"\xe2\x82", "\\xE2\\x82"},
        {"\xc0\xaf", "\\xC0\\xAF"},
    };
    for (const auto& [raw, shown] : cases) {
        EXPECT_EQ(printableText(raw), shown) << shown;
    }
}

TEST(PrintableTextTest, TheConsoleLogEscapesMessages) {
    Log::addConsoleLogger();
    testing::internal::CaptureStderr();
    QOV_LOG_ERROR("answer {}", "\x1b]0;title\x07");
    Log::flush();
    const std::string written = testing::internal::GetCapturedStderr();
    Log::removeConsoleLogger();
    EXPECT_NE(written.find("answer \\x1B]0;title\\x07\n"), std::string::npos) << written;
}

}  // namespace
}  // namespace platform
