#pragma once

#include <memory>
#include <optional>
#include <string>

#include <unicode/uversion.h>

#include "platform/base/Date.h"

U_NAMESPACE_BEGIN
class DateFormat;
U_NAMESPACE_END

namespace platform {

// Writes dates as text through ICU: either a pattern ("h:mm a", "EEEE") or a date style and a time style, in a
// time zone and a locale. Made with the device's time zone and the current locale (LocaleSource). A time-zone
// name the database does not know formats in UTC. The ICU formatter is built on first use after a change and
// reused. One formatter is used by one thread at a time.
class DateFormatter {
public:
    enum class Style { None, Short, Medium, Long };

    DateFormatter();
    ~DateFormatter();
    DateFormatter(const DateFormatter&) = delete;
    DateFormatter& operator=(const DateFormatter&) = delete;

    // A pattern replaces the styles; styles replace a pattern. Setting what is already set keeps the built
    // formatter, so a formatter shared by many calls may be set up on every call.
    void setDateFormat(std::string pattern);
    void setDateStyle(Style style);
    void setTimeStyle(Style style);
    // A zone name ("Asia/Kolkata"); nullopt is the device's zone, read when the formatter is (re)built.
    void setTimeZone(std::optional<std::string> name);
    // A locale identifier ("en_US"); the empty identifier is the neutral system locale.
    void setLocale(std::string identifier);

    std::string stringFromDate(Date date) const;
    // The empty text for no date.
    std::string stringFromDate(const std::optional<Date>& date) const;

private:
    void changed();
    void build() const;

    std::string m_pattern;
    Style m_dateStyle = Style::None;
    Style m_timeStyle = Style::None;
    std::optional<std::string> m_timeZone;
    std::string m_locale;
    mutable std::unique_ptr<icu::DateFormat> m_format;
};

}  // namespace platform
