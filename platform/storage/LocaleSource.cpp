#include "platform/storage/LocaleSource.h"

#include <cctype>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string_view>

#include "platform/base/ProcessInstance.h"
#include "platform/storage/UserDefaults.h"

namespace platform {

namespace {

constexpr const char* kDefaultLocale = "en_US";

struct Override {
    std::string localeIdentifier;
    std::vector<std::string> preferredLanguages;
};

struct OverrideState {
    std::mutex mutex;
    std::optional<Override> current;
};

OverrideState& overrideState() {
    static NeverDestroyed<OverrideState> state;
    return *state;
}

std::optional<Override> activeOverride() {
    OverrideState& state = overrideState();
    const std::lock_guard lock(state.mutex);
    return state.current;
}

bool isLetters(std::string_view text, std::size_t least, std::size_t most, bool digitsToo) {
    if (text.size() < least || text.size() > most) {
        return false;
    }
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        if (!std::isalpha(byte) && !(digitsToo && std::isdigit(byte))) {
            return false;
        }
    }
    return true;
}

// "ll_CC.codeset@modifier" without codeset and modifier, or nullopt when it is not language[_country].
std::optional<std::string> localePart(std::string_view value) {
    value = value.substr(0, value.find_first_of(".@"));
    const std::size_t separator = value.find('_');
    const std::string_view language = value.substr(0, separator);
    if (!isLetters(language, 2, 3, false)) {
        return std::nullopt;
    }
    if (separator != std::string_view::npos && !isLetters(value.substr(separator + 1), 2, 3, true)) {
        return std::nullopt;
    }
    return std::string(value);
}

std::string languageTag(std::string locale) {
    for (auto& character : locale) {
        if (character == '_') {
            character = '-';
        }
    }
    return locale;
}

}  // namespace

std::string LocaleSource::currentLocaleIdentifier() {
    if (const auto fixed = activeOverride()) {
        return fixed->localeIdentifier;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return localePart(value).value_or(kDefaultLocale);
        }
    }
    return kDefaultLocale;
}

std::vector<std::string> LocaleSource::preferredLanguages() {
    if (const auto fixed = activeOverride()) {
        return fixed->preferredLanguages;
    }
    std::vector<std::string> languages;
    for (const auto& element : UserDefaults::standard()->arrayForKey("AppleLanguages")) {
        if (const auto* text = element.ifString(); text && !text->empty()) {
            languages.push_back(*text);
        }
    }
    if (!languages.empty()) {
        return languages;
    }
    if (const char* list = std::getenv("LANGUAGE")) {
        std::string_view rest(list);
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            if (const auto locale = localePart(rest.substr(0, colon))) {
                languages.push_back(languageTag(*locale));
            }
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    if (languages.empty()) {
        languages.push_back(languageTag(currentLocaleIdentifier()));
    }
    return languages;
}

void LocaleSource::setOverride(std::string localeIdentifier, std::vector<std::string> preferredLanguages) {
    OverrideState& state = overrideState();
    const std::lock_guard lock(state.mutex);
    state.current = Override{std::move(localeIdentifier), std::move(preferredLanguages)};
}

void LocaleSource::clearOverride() {
    OverrideState& state = overrideState();
    const std::lock_guard lock(state.mutex);
    state.current.reset();
}

}  // namespace platform
