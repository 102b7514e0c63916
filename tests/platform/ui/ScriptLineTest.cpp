#include "platform/ui/ScriptLine.h"

#include <gtest/gtest.h>

namespace platform::ui {
namespace {

// Forms the tap tests do not reach: quoting, escapes and malformed targets.
TEST(ScriptLineTest, TargetsReadQuotedTextEscapesAndRefuseMalformedOnes) {
    const struct {
        std::string argument;
        std::optional<std::string> text;  // nullopt: refused
        int ordinal;
    } cases[] = {
        {"Item#2", "Item#2", 1},
        {"\"Row #2\"", "Row #2", 1},
        {"\"say \\\"hi\\\" \\\\ \\n\" #1000", "say \"hi\" \\ \\n", 1000},
        {"#2", std::nullopt, 0},
        {"Go #1001", std::nullopt, 0},
        {"Go #99999999999999999999", std::nullopt, 0},
        {"\"open", std::nullopt, 0},
        {"\"closed\" tail", std::nullopt, 0},
    };
    for (const auto& each : cases) {
        const auto target = ScriptTarget::parse(each.argument);
        ASSERT_EQ(target.has_value(), each.text.has_value()) << each.argument;
        if (target) {
            EXPECT_EQ(target->text, each.text) << each.argument;
            EXPECT_EQ(target->ordinal, each.ordinal) << each.argument;
        }
    }
    for (const char* refused : {"", "nan", "inf", "1e999", "5x", " 5"}) {
        EXPECT_FALSE(scriptNumber(refused)) << refused;
    }
}

}  // namespace
}  // namespace platform::ui
