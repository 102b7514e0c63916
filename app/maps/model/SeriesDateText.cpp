#include "app/maps/model/SeriesDateText.h"

#include <cmath>
#include <memory>

#include <unicode/datefmt.h>
#include <unicode/timezone.h>

#include "platform/storage/LocaleSource.h"

namespace qov {

namespace {

std::unique_ptr<icu::TimeZone> createZone(const std::string& name) {
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(name)));
    if (!zone || *zone == icu::TimeZone::getUnknown()) {
        zone.reset(icu::TimeZone::createTimeZone("EST"));
    }
    return zone;
}

}  // namespace

std::string SeriesDateText::mediumDateShortTime(double secondsSince1970, const std::string& timeZoneName) {
    if (!std::isfinite(secondsSince1970)) {
        return {};
    }
    const icu::Locale locale(platform::LocaleSource::currentLocaleIdentifier().c_str());
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateTimeInstance(icu::DateFormat::kMedium, icu::DateFormat::kShort, locale));
    if (!format) {
        return {};
    }
    format->adoptTimeZone(createZone(timeZoneName).release());
    icu::UnicodeString text;
    format->format(secondsSince1970 * 1000.0, text);
    std::string result;
    text.toUTF8String(result);
    return result;
}

}  // namespace qov
