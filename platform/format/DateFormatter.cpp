#include "platform/format/DateFormatter.h"

#include <unicode/datefmt.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include "platform/base/Log.h"
#include "platform/format/DeviceTimeZone.h"
#include "platform/storage/LocaleSource.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

icu::DateFormat::EStyle icuStyle(DateFormatter::Style style) {
    switch (style) {
        case DateFormatter::Style::Short: return icu::DateFormat::kShort;
        case DateFormatter::Style::Medium: return icu::DateFormat::kMedium;
        case DateFormatter::Style::Long: return icu::DateFormat::kLong;
        case DateFormatter::Style::None: break;
    }
    return icu::DateFormat::kNone;
}

icu::TimeZone* zoneNamed(const std::string& name) {
    icu::TimeZone* zone = icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(name));
    if (zone == nullptr || *zone == icu::TimeZone::getUnknown()) {
        QOV_LOG_WARN("Unknown time zone \"{}\"; using UTC", name);
        delete zone;
        zone = icu::TimeZone::createTimeZone("UTC");
    }
    return zone;
}

}  // namespace

DateFormatter::DateFormatter() : m_locale(LocaleSource::currentLocaleIdentifier()) {}

DateFormatter::~DateFormatter() = default;

void DateFormatter::changed() { m_format.reset(); }

void DateFormatter::setDateFormat(std::string pattern) {
    if (pattern != m_pattern || m_dateStyle != Style::None || m_timeStyle != Style::None) {
        m_pattern = std::move(pattern);
        m_dateStyle = m_timeStyle = Style::None;
        changed();
    }
}

void DateFormatter::setDateStyle(Style style) {
    if (style != m_dateStyle || !m_pattern.empty()) {
        m_dateStyle = style;
        m_pattern.clear();
        changed();
    }
}

void DateFormatter::setTimeStyle(Style style) {
    if (style != m_timeStyle || !m_pattern.empty()) {
        m_timeStyle = style;
        m_pattern.clear();
        changed();
    }
}

void DateFormatter::setTimeZone(std::optional<std::string> name) {
    if (name != m_timeZone) {
        m_timeZone = std::move(name);
        changed();
    }
}

void DateFormatter::setLocale(std::string identifier) {
    if (identifier != m_locale) {
        m_locale = std::move(identifier);
        changed();
    }
}

void DateFormatter::build() const {
    const icu::Locale locale(m_locale.empty() ? "en_US_POSIX" : m_locale.c_str());
    UErrorCode status = U_ZERO_ERROR;
    if (!m_pattern.empty() || (m_dateStyle == Style::None && m_timeStyle == Style::None)) {
        m_format = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString::fromUTF8(m_pattern), locale, status);
    } else {
        m_format.reset(icu::DateFormat::createDateTimeInstance(icuStyle(m_dateStyle), icuStyle(m_timeStyle), locale));
    }
    if (U_FAILURE(status) || !m_format) {
        QOV_LOG_WARN("Cannot format dates with the pattern \"{}\"", m_pattern);
        m_format.reset();
        return;
    }
    m_format->adoptTimeZone(zoneNamed(m_timeZone.value_or(DeviceTimeZone::name())));
}

std::string DateFormatter::stringFromDate(Date date) const {
    if (!m_format) {
        build();
    }
    if (!m_format) {
        return {};
    }
    icu::UnicodeString text;
    m_format->format(date.secondsSince1970 * 1000.0, text);
    std::string result;
    text.toUTF8String(result);
    return result;
}

std::string DateFormatter::stringFromDate(const std::optional<Date>& date) const {
    return date ? stringFromDate(*date) : std::string();
}

}  // namespace platform
