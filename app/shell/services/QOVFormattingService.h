#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/base/Date.h"

namespace qov {

// Turns the model's imperial values (°F, miles, mph, feet) into the texts screens show, in the unit system the
// user chose, and writes times in a location's time zone, the age of data and the age of a tweet.
//
// Class operations only. The unit system is process-wide state: resolved from the settings service's
// "unitOfMeasureSelection" before the first use of the service (a stored "follow the locale" becomes imperial
// or metric then), changed by setUom, which stores it and posts kUomSelectedNotification synchronously (no
// object). Main thread only: the unit state and the shared date formatters are not locked.
//
// Values are never interpreted as formats: every text is put together by placeholder substitution, and a
// missing text prints as the empty text. Time-zone arguments are zone names as locations keep them; a missing
// or unknown name formats in UTC, like the model's calendar work. Conversions truncate toward zero and
// saturate at the 32-bit limits.
class QOVFormattingService {
public:
    static constexpr const char* kUomSelectedNotification = "kQOVFormattingServiceUomSelectedNotification";
    using TimeZoneName = std::optional<std::string>;

    // YES (true) for imperial: selection 0, or selection 2 where the locale does not measure in metric.
    static bool currentUom();
    static void setUom(bool imperial);

    static std::string formatTemperature(std::int32_t fahrenheit, bool suppressUOM = false);
    static std::string formatDistance(std::int32_t miles);
    static std::string formatDecimalDistance(double feet);
    static std::string formatWindSpeed(std::int32_t mph, const std::string& direction);
    static std::string formatWindSpeedForPad(std::int32_t mph, const std::string& direction);
    static std::string formatPercent(std::int32_t percent);

    // In the device's time zone; a missing date gives the empty text.
    static std::string formatTime(const std::optional<platform::Date>& date);
    static std::string formatTimeStamp(const std::optional<platform::Date>& date);
    static std::string formatTimeIncludingZone(const std::optional<platform::Date>& date);
    // In the given zone.
    static std::string formatTime(const std::optional<platform::Date>& date, const TimeZoneName& zone);
    static std::string formatTimeStampForLocalTime(const std::optional<platform::Date>& date, const TimeZoneName& zone);
    static std::string formatTimeIncludingZone(const std::optional<platform::Date>& date, const TimeZoneName& zone);
    static std::string formatAlertDate(const std::optional<platform::Date>& date, const TimeZoneName& zone);

    // The localised phrase for the age of data ("data.age.5.minute", ...); a missing date counts as now.
    static std::string formatAge(const std::optional<platform::Date>& date);
    // "3 minutes ago" and so on up to four weeks, then the date and time in medium styles.
    static std::string formatTweetAge(const std::optional<platform::Date>& date);

    // Tests: forgets the units and the formatters, so the next use resolves the settings and the locale again.
    static void resetForTesting();
};

}  // namespace qov
