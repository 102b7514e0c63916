#include "platform/ui/ScriptLine.h"

#include <gtest/gtest.h>

namespace platform::ui {
namespace {

TEST(ScriptLineTest, TargetsReadClassTextAndOrdinal) {
    const struct {
        std::string argument;
        std::optional<std::string> className, text;
        int ordinal;
    } cases[] = {
        {"Row 3", "", "Row 3", 1},
        {"  Settings   #2 ", "", "Settings", 2},
        {"Item#2", "", "Item#2", 1},
        {"Item #x", "", "Item #x", 1},
        {"\"Row #2\"", "", "Row #2", 1},
        {"\"say \\\"hi\\\" \\\\ \\n\" #1000", "", "say \"hi\" \\ \\n", 1000},
        {"@Button", "Button", std::nullopt, 1},
        {"@TableViewCell \"Paris, FR\" #3", "TableViewCell", "Paris, FR", 3},
        {"\"\"", "", "", 1},
        {"", std::nullopt, std::nullopt, 0},
        {"#2", std::nullopt, std::nullopt, 0},
        {"@ Button", std::nullopt, std::nullopt, 0},
        {"Go #0", std::nullopt, std::nullopt, 0},
        {"Go #1001", std::nullopt, std::nullopt, 0},
        {"Go #99999999999999999999", std::nullopt, std::nullopt, 0},
        {"\"open", std::nullopt, std::nullopt, 0},
        {"\"closed\" tail", std::nullopt, std::nullopt, 0},
    };
    for (const auto& each : cases) {
        const auto target = ScriptTarget::parse(each.argument);
        ASSERT_EQ(target.has_value(), each.className.has_value()) << each.argument;
        if (target) {
            EXPECT_EQ(target->className, *each.className) << each.argument;
            EXPECT_EQ(target->text, each.text) << each.argument;
            EXPECT_EQ(target->ordinal, each.ordinal) << each.argument;
        }
    }
}

TEST(ScriptLineTest, LinesAndTrailingWordsSplitOnBlanks) {
    EXPECT_EQ(ScriptLine::parse("\t tap   Row 3 \r").argument, "Row 3");
    EXPECT_EQ(ScriptLine::parse("# tap Row").command, "");
    const auto parts = splitTrailingWords(" \"A B\" 5  -5 ", 2);
    EXPECT_EQ(parts.head, "\"A B\"");
    EXPECT_EQ(parts.words, (std::vector<std::string>{"5", "-5"}));
    EXPECT_EQ(splitTrailingWords("7", 2).words, std::vector<std::string>{"7"});
    for (const char* refused : {"", "nan", "inf", "1e999", "5x", " 5"}) {
        EXPECT_FALSE(scriptNumber(refused)) << refused;
    }
}

}  // namespace
}  // namespace platform::ui
