#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::ui {

// The screen script reader: splits one line into its command and argument, and reads the parts of arguments
// (what a command aims at, numbers). Nothing here fails on any input; malformed parts answer nullopt.
struct ScriptLine {
    std::string command;   // empty for a blank line or a comment ('#' first)
    std::string argument;  // the rest of the line, without surrounding blanks

    static ScriptLine parse(std::string_view line);
};

// What a command aims at, written  [@CLASS] [TEXT | "TEXT"] [#N] :
//   Settings            the view showing the text "Settings" (unquoted: the rest of the argument)
//   "Row #2"            quoted text; \" and \\ inside quotes stand for " and \ (needed when the text ends in
//                       " #N", starts with '@' or '"', or has surrounding blanks)
//   @Button             any view of that class (its class name as the dump shows it)
//   @Button "OK" #2     the second of the views that match, in reading order (top to bottom, then left to
//                       right, by their frames on screen)
struct ScriptTarget {
    std::string className;            // empty: any class
    std::optional<std::string> text;  // nullopt: any text
    int ordinal = 1;                  // 1 is the first match

    // nullopt when the argument names nothing (empty), has an unterminated quote, text after a closing quote,
    // or an ordinal below 1 or above 1000.
    static std::optional<ScriptTarget> parse(std::string_view argument);
    std::string description() const;
};

// The argument's blank-separated words.
std::vector<std::string> scriptWords(std::string_view argument);
// The argument's last count words (in order; fewer when there are not as many) and what comes before them.
struct TrailingWords {
    std::string head;
    std::vector<std::string> words;
};
TrailingWords splitTrailingWords(std::string_view argument, std::size_t count);
// A finite decimal number (such as "30", "-12.5", "1e3"), or nullopt.
std::optional<double> scriptNumber(std::string_view word);

}  // namespace platform::ui
