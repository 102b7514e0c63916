#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qov {

// The locale operations the application adds to the platform locale: the one locale identifier it sends to
// its services and shows content for, and what follows from it. The language comes from the user's first
// preferred language (its subtag up to the first "-" or "_", counted only when it is a two-letter ISO 639-1
// code), the country from the current locale's region; anything doubtful gives "en_US".
class NSLocaleQOV {
public:
    // "ll_CC", exactly five characters, e.g. "fr_CA"; "en_US" when in doubt.
    static std::string simpleLocaleIdentifier();
    // The same, from a given current locale identifier and list of preferred languages.
    static std::string simpleLocaleIdentifierFor(std::string_view currentLocaleIdentifier,
                                                 const std::vector<std::string>& preferredLanguages);

    static bool isUnitedStates();
    // The United States, Liberia and Myanmar measure in imperial units; every other country is metric.
    static bool usesImperialMeasure();
    static bool usesMetricMeasure();
    // The language part of simpleLocaleIdentifier() ("en" by default).
    static std::string languageForCurrentLocale();
    // The country part of simpleLocaleIdentifier() ("US" by default).
    static std::string regionForCurrentLocale();
};

}  // namespace qov
