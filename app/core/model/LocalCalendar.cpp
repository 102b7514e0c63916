#include "app/core/model/LocalCalendar.h"

#include <memory>
#include <mutex>
#include <set>

#include <unicode/gregocal.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

std::unique_ptr<icu::TimeZone> createKnownTimeZone(std::string_view name) {
    if (name.empty()) {
        return nullptr;
    }
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(
        icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size())))));
    if (!zone || *zone == icu::TimeZone::getUnknown()) {
        return nullptr;
    }
    return zone;
}

// Logs a name read as UTC once, so a record without a usable zone does not flood the log on every query. At
// most kMaxNotedNames names are remembered (names come from archives too); later ones are not logged.
void noteUtcFallback(const std::optional<std::string>& name) {
    constexpr std::size_t kMaxNotedNames = 64;
    static platform::NeverDestroyed<std::mutex> mutex;
    static platform::NeverDestroyed<std::set<std::string>> noted;
    const std::string shown = name.value_or("(none)");
    std::lock_guard lock(*mutex);
    if (noted->size() < kMaxNotedNames && noted->insert(shown).second) {
        QOV_LOG_WARN("Time zone [{}] is unknown; calendar fields are taken in UTC", shown);
    }
}

// The zone of that name, or UTC.
std::unique_ptr<icu::TimeZone> zoneOrUtc(const std::optional<std::string>& timeZoneName) {
    std::unique_ptr<icu::TimeZone> zone = timeZoneName ? createKnownTimeZone(*timeZoneName) : nullptr;
    if (!zone) {
        noteUtcFallback(timeZoneName);
        zone.reset(icu::TimeZone::getGMT()->clone());
    }
    return zone;
}

}  // namespace

bool LocalCalendar::isKnownTimeZone(std::string_view name) { return createKnownTimeZone(name) != nullptr; }

LocalCalendar::Fields LocalCalendar::fieldsOf(platform::Date date, const std::optional<std::string>& timeZoneName) {
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar calendar(zoneOrUtc(timeZoneName).release(), status);
    if (U_FAILURE(status)) {
        return {};
    }
    calendar.setTime(date.secondsSince1970 * 1000.0, status);
    Fields fields;
    fields.year = calendar.get(UCAL_EXTENDED_YEAR, status);
    fields.month = calendar.get(UCAL_MONTH, status) + 1;
    fields.day = calendar.get(UCAL_DATE, status);
    fields.hour = calendar.get(UCAL_HOUR_OF_DAY, status);
    fields.minute = calendar.get(UCAL_MINUTE, status);
    if (U_FAILURE(status)) {
        return {};
    }
    return fields;
}

platform::Date LocalCalendar::startOfDay(platform::Date date, const std::optional<std::string>& timeZoneName) {
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar calendar(zoneOrUtc(timeZoneName).release(), status);
    calendar.setTime(date.secondsSince1970 * 1000.0, status);
    for (const UCalendarDateFields field : {UCAL_HOUR_OF_DAY, UCAL_MINUTE, UCAL_SECOND, UCAL_MILLISECOND}) {
        calendar.set(field, 0);
    }
    const UDate midnight = calendar.getTime(status);
    return U_FAILURE(status) ? date : platform::Date::fromSecondsSince1970(midnight / 1000.0);
}

std::string LocalCalendar::deviceTimeZoneName() {
    const std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createDefault());
    icu::UnicodeString id;
    zone->getID(id);
    std::string name;
    id.toUTF8String(name);
    return name;
}

}  // namespace qov
