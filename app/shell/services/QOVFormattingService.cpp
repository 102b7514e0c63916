#include "app/shell/services/QOVFormattingService.h"

#include <cmath>
#include <limits>
#include <memory>

#include "app/core/categories/NSLocaleQOV.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Clock.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/ProcessInstance.h"
#include "platform/format/DateFormatter.h"
#include "platform/format/NumberFormatter.h"
#include "platform/format/TextFormat.h"
#include "platform/storage/LocaleSource.h"

namespace qov {

namespace {

using platform::DateFormatter;
using platform::TextFormat;

constexpr double kMilesPerKilometre = 0.621371192237;
constexpr double kCelsiusPerFahrenheitDegree = 0.5555555555555556;
constexpr double kMetresPerFoot = 0.3048;
constexpr const char* kUtc = "UTC";

struct UnitState {
    bool initialised = false;
    bool imperial = true;
    std::string temperature;
    std::string distance;
    std::string speed;
    std::string height;
};

UnitState& unitState() {
    static platform::NeverDestroyed<UnitState> state;
    return *state;
}

// The shared formatters, each made on the first use of its operation.
struct Formatters {
    std::unique_ptr<DateFormatter> time;
    std::unique_ptr<DateFormatter> timeInZone;
    std::unique_ptr<DateFormatter> timeStamp;
    std::unique_ptr<DateFormatter> timeStampInZone;
    std::unique_ptr<DateFormatter> timeWithZone;
    std::unique_ptr<DateFormatter> timeWithZoneInZone;
    std::unique_ptr<DateFormatter> alertDate;
};

Formatters& formatters() {
    static platform::NeverDestroyed<Formatters> shared;
    return *shared;
}

const UnitState& units() {
    if (!unitState().initialised) {
        unitState().initialised = true;
        QOVFormattingService::setUom(QOVFormattingService::currentUom());
    }
    return unitState();
}

// Toward zero, held within the 32-bit range.
std::int32_t truncated(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::trunc(std::fmin(std::fmax(value, low), high)));
}

std::int32_t kilometres(std::int32_t miles) { return miles == 0 ? 0 : truncated(miles / kMilesPerKilometre); }

// A formatter made once; the pattern, zone and locale are applied by the caller.
DateFormatter& formatter(std::unique_ptr<DateFormatter>& slot) {
    if (!slot) {
        slot = std::make_unique<DateFormatter>();
    }
    return *slot;
}

// A formatter whose pattern, zone and locale are set once, when it is made.
DateFormatter& fixedFormatter(std::unique_ptr<DateFormatter>& slot, const char* key, std::string locale) {
    if (!slot) {
        slot = std::make_unique<DateFormatter>();
        slot->setDateFormat(localized(key));
        slot->setTimeZone(std::nullopt);
        slot->setLocale(std::move(locale));
    }
    return *slot;
}

std::string formatInZone(std::unique_ptr<DateFormatter>& slot, const char* key,
                         const std::optional<platform::Date>& date, const QOVFormattingService::TimeZoneName& zone) {
    DateFormatter& shared = formatter(slot);
    shared.setDateFormat(localized(key));
    shared.setTimeZone(zone.value_or(kUtc));
    return shared.stringFromDate(date);
}

double secondsFromNow(const std::optional<platform::Date>& date) {
    return date ? std::fabs(date->timeIntervalSince(platform::Clock::shared()->now())) : 0.0;
}

}  // namespace

bool QOVFormattingService::currentUom() {
    const unsigned selection = QOVSettingsService::sharedInstance()->unitOfMeasureSelection();
    if (selection == 2) {
        return !NSLocaleQOV::usesMetricMeasure();
    }
    return selection == 0;
}

void QOVFormattingService::setUom(bool imperial) {
    units();
    const std::string word = imperial ? "imperial" : "metric";
    UnitState& state = unitState();
    state.imperial = imperial;
    state.temperature = localized(TextFormat::format("uom.temperature.%@", {word}));
    state.distance = localized(TextFormat::format("uom.distance.%@", {word}));
    state.speed = localized(TextFormat::format("uom.speed.%@", {word}));
    state.height = imperial ? "ft" : "m";
    QOVSettingsService::sharedInstance()->setUnitOfMeasureSelection(imperial ? 0 : 1);
    platform::NotificationCenter::defaultCenter().postNotification(kUomSelectedNotification);
}

std::string QOVFormattingService::formatTemperature(std::int32_t fahrenheit, bool suppressUOM) {
    const UnitState& state = units();
    const std::int32_t shown =
        state.imperial ? fahrenheit : truncated((static_cast<double>(fahrenheit) - 32.0) * kCelsiusPerFahrenheitDegree);
    return TextFormat::format("%i°%@", {shown, suppressUOM ? std::string() : state.temperature});
}

std::string QOVFormattingService::formatDistance(std::int32_t miles) {
    const UnitState& state = units();
    return TextFormat::format("%i %@", {state.imperial ? miles : kilometres(miles), state.distance});
}

std::string QOVFormattingService::formatDecimalDistance(double feet) {
    const UnitState& state = units();
    platform::NumberFormatter numbers;
    numbers.setPositiveFormat("#0.##");
    const double shown = state.imperial || feet == 0.0 ? feet : feet * kMetresPerFoot;
    return TextFormat::format("%@ %@", {numbers.stringFromNumber(shown), state.height});
}

std::string QOVFormattingService::formatWindSpeed(std::int32_t mph, const std::string& direction) {
    const UnitState& state = units();
    return TextFormat::format("%@ %i %@", {direction, state.imperial ? mph : kilometres(mph), state.speed});
}

std::string QOVFormattingService::formatWindSpeedForPad(std::int32_t mph, const std::string& direction) {
    const UnitState& state = units();
    const bool calm = state.imperial ? mph == 0 : direction == "CALM";
    if (calm) {
        return direction;
    }
    return TextFormat::format("%@ @ %i %@", {direction, state.imperial ? mph : kilometres(mph), state.speed});
}

std::string QOVFormattingService::formatPercent(std::int32_t percent) { return TextFormat::format("%i%%", {percent}); }

std::string QOVFormattingService::formatTime(const std::optional<platform::Date>& date) {
    return fixedFormatter(formatters().time, "format.time", "").stringFromDate(date);
}

std::string QOVFormattingService::formatTimeStamp(const std::optional<platform::Date>& date) {
    return fixedFormatter(formatters().timeStamp, "format.timestamp", platform::LocaleSource::currentLocaleIdentifier())
        .stringFromDate(date);
}

std::string QOVFormattingService::formatTimeIncludingZone(const std::optional<platform::Date>& date) {
    DateFormatter& shared = formatter(formatters().timeWithZone);
    shared.setDateFormat(localized("format.time.withzone"));
    shared.setTimeZone(std::nullopt);
    shared.setLocale(platform::LocaleSource::currentLocaleIdentifier());
    return shared.stringFromDate(date);
}

std::string QOVFormattingService::formatTime(const std::optional<platform::Date>& date, const TimeZoneName& zone) {
    return formatInZone(formatters().timeInZone, "format.time", date, zone);
}

std::string QOVFormattingService::formatTimeStampForLocalTime(const std::optional<platform::Date>& date,
                                                              const TimeZoneName& zone) {
    return formatInZone(formatters().timeStampInZone, "format.timestamp", date, zone);
}

std::string QOVFormattingService::formatTimeIncludingZone(const std::optional<platform::Date>& date,
                                                          const TimeZoneName& zone) {
    return formatInZone(formatters().timeWithZoneInZone, "format.time.withzone", date, zone);
}

std::string QOVFormattingService::formatAlertDate(const std::optional<platform::Date>& date, const TimeZoneName& zone) {
    return formatInZone(formatters().alertDate, "format.alert.date", date, zone);
}

std::string QOVFormattingService::formatAge(const std::optional<platform::Date>& date) {
    struct Step {
        double seconds;
        const char* key;
    };
    static constexpr Step kSteps[] = {
        {3600, "data.age.hour"},      {2700, "data.age.45.minute"}, {1800, "data.age.30.minute"},
        {1200, "data.age.20.minute"}, {900, "data.age.15.minute"},  {600, "data.age.10.minute"},
        {300, "data.age.5.minute"},   {240, "data.age.4.minute"},   {180, "data.age.3.minute"},
        {120, "data.age.2.minute"},   {60, "data.age.1.minute"},
    };
    const double age = secondsFromNow(date);
    for (const Step& step : kSteps) {
        if (age >= step.seconds) {
            return localized(step.key);
        }
    }
    return localized(age < 30 || std::isnan(age) ? "data.age.new" : "data.age.30.seconds");
}

std::string QOVFormattingService::formatTweetAge(const std::optional<platform::Date>& date) {
    struct Step {
        double limit;
        double unit;
        const char* format;
    };
    static constexpr Step kSteps[] = {
        {60, 1, "%i second%@ ago"},      {3600, 60, "%i minute%@ ago"},      {86400, 3600, "%i hour%@ ago"},
        {604800, 86400, "%i day%@ ago"}, {2419200, 604800, "%i week%@ ago"},
    };
    const double age = secondsFromNow(date);
    for (const Step& step : kSteps) {
        if (age <= step.limit) {
            const std::int32_t count = truncated(age / step.unit);
            return TextFormat::format(step.format, {count, count >= 2 ? "s" : ""});
        }
    }
    DateFormatter medium;
    medium.setDateStyle(DateFormatter::Style::Medium);
    medium.setTimeStyle(DateFormatter::Style::Medium);
    return medium.stringFromDate(date);
}

void QOVFormattingService::resetForTesting() {
    unitState() = UnitState{};
    formatters() = Formatters{};
}

}  // namespace qov
