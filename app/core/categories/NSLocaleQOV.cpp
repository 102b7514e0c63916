#include "app/core/categories/NSLocaleQOV.h"

#include <cstring>
#include <string>

#include <unicode/locid.h>
#include <unicode/uloc.h>

#include "platform/storage/LocaleSource.h"

namespace qov {

namespace {

constexpr const char* kFallbackIdentifier = "en_US";

bool isListed(const char* const* codes, std::string_view code) {
    for (; codes != nullptr && *codes != nullptr; ++codes) {
        if (code == *codes) {
            return true;
        }
    }
    return false;
}

bool isIsoLanguage(std::string_view code) { return code.size() == 2 && isListed(icu::Locale::getISOLanguages(), code); }

bool isIsoCountry(std::string_view code) { return code.size() == 2 && isListed(icu::Locale::getISOCountries(), code); }

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

// The country of a locale identifier such as "fr_CA", "en-US" or "en_US.UTF-8"; empty when it has none.
std::string countryOf(std::string_view identifier) {
    char canonical[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_canonicalize(std::string(identifier).c_str(), canonical, ULOC_FULLNAME_CAPACITY, &status);
    if (U_FAILURE(status)) {
        return {};
    }
    const icu::Locale locale(canonical);
    return locale.isBogus() ? std::string() : std::string(locale.getCountry());
}

}  // namespace

std::string NSLocaleQOV::simpleLocaleIdentifierFor(std::string_view currentLocaleIdentifier,
                                                   const std::vector<std::string>& preferredLanguages) {
    if (currentLocaleIdentifier.empty() || preferredLanguages.empty()) {
        return kFallbackIdentifier;
    }
    const std::string& preferred = preferredLanguages.front();
    const std::string language = preferred.substr(0, preferred.find_first_of("-_"));
    const std::string country = countryOf(currentLocaleIdentifier);
    if (!isIsoLanguage(language) || !isIsoCountry(country)) {
        return kFallbackIdentifier;
    }
    return language + "_" + country;
}

std::string NSLocaleQOV::simpleLocaleIdentifier() {
    return simpleLocaleIdentifierFor(platform::LocaleSource::currentLocaleIdentifier(),
                                     platform::LocaleSource::preferredLanguages());
}

bool NSLocaleQOV::isUnitedStates() { return endsWith(simpleLocaleIdentifier(), "US"); }

bool NSLocaleQOV::usesImperialMeasure() {
    const std::string identifier = simpleLocaleIdentifier();
    return endsWith(identifier, "US") || endsWith(identifier, "LR") || endsWith(identifier, "MM");
}

bool NSLocaleQOV::usesMetricMeasure() { return !usesImperialMeasure(); }

std::string NSLocaleQOV::languageForCurrentLocale() {
    const std::string identifier = simpleLocaleIdentifier();
    const auto separator = identifier.find('_');
    return separator == std::string::npos ? std::string("en") : identifier.substr(0, separator);
}

std::string NSLocaleQOV::regionForCurrentLocale() {
    const std::string identifier = simpleLocaleIdentifier();
    const auto separator = identifier.find('_');
    return separator == std::string::npos ? std::string("US") : identifier.substr(separator + 1);
}

}  // namespace qov
