#pragma once

#include <string>
#include <vector>

namespace platform {

// Where the user's locale and language preferences come from: the environment and the user defaults, or fixed
// answers set by tests. Thread-safe.
class LocaleSource {
public:
    // The locale of LC_ALL, else LC_MESSAGES, else LANG (the first that is set), as language and country:
    // "en_US.UTF-8" gives "en_US", "de_DE@euro" gives "de_DE", "fr" gives "fr". "en_US" when none is set or the
    // value is "C", "POSIX" or not of that form.
    static std::string currentLocaleIdentifier();

    // The user's languages, most preferred first, never empty: the strings of the user default "AppleLanguages"
    // when it holds any, else the LANGUAGE list ("de:en_GB" gives "de", "en-GB"), else the current locale as one
    // language tag ("en_US" gives "en-US").
    static std::vector<std::string> preferredLanguages();

    // Tests: both operations answer these until clearOverride().
    static void setOverride(std::string localeIdentifier, std::vector<std::string> preferredLanguages);
    static void clearOverride();
};

}  // namespace platform
