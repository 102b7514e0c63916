#include "app/core/summary/WeatherSummaryText.h"

#include <chrono>
#include <cmath>
#include <iterator>
#include <tuple>

#include <fmt/format.h>

#include "app/core/model/LocalCalendar.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/model/QOVLocation.h"
#include "platform/base/Clock.h"
#include "platform/base/PrintableText.h"

namespace qov {

namespace {

constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::string localDay(platform::Date date, const std::optional<std::string>& timeZone) {
    const auto fields = LocalCalendar::fieldsOf(date, timeZone);
    const std::chrono::year_month_day day{std::chrono::year{fields.year},
                                          std::chrono::month{static_cast<unsigned>(fields.month)},
                                          std::chrono::day{static_cast<unsigned>(fields.day)}};
    const std::chrono::weekday weekday{std::chrono::sys_days{day}};
    return fmt::format("{} {:04}-{:02}-{:02}", kWeekdays[weekday.c_encoding()], fields.year, fields.month, fields.day);
}

using platform::printableText;

// "45 min", "3 h 5 min", "2 d 4 h": how long ago, to the minute.
std::string durationText(double seconds) {
    const auto minutes = static_cast<long long>(std::max(0.0, seconds) / 60.0);
    if (minutes < 60) {
        return fmt::format("{} min", minutes);
    }
    if (minutes < 24 * 60) {
        return fmt::format("{} h {} min", minutes / 60, minutes % 60);
    }
    return fmt::format("{} d {} h", minutes / (24 * 60), minutes / 60 % 24);
}

bool isBeforeToday(platform::Date date, const std::optional<std::string>& timeZone) {
    const auto day = LocalCalendar::fieldsOf(date, timeZone);
    const auto today = LocalCalendar::fieldsOf(platform::Clock::shared()->now(), timeZone);
    return std::tie(day.year, day.month, day.day) < std::tie(today.year, today.month, today.day);
}

void appendPlace(std::string& out, const QOVLocation& location) {
    const auto& coordinate = location.coordinate();
    fmt::format_to(std::back_inserter(out), "{} ({})\n", printableText(location.displayName()),
                   printableText(location.identifierAsString()));
    // A record without a creation date has no age to tell.
    const double age = location.age();
    const std::string ageText =
        std::isfinite(age) ? fmt::format("{:.0f} min old", std::max(0.0, age) / 60.0) : "of unknown age";
    fmt::format_to(std::back_inserter(out), "{:.2f}°{} {:.2f}°{}, time zone {}, data {}\n",
                   std::fabs(coordinate.latitude), coordinate.latitude < 0 ? 'S' : 'N', std::fabs(coordinate.longitude),
                   coordinate.longitude < 0 ? 'W' : 'E', printableText(location.timeZone().value_or("unknown")),
                   ageText);
}

void appendCurrentConditions(std::string& out, const QOVLocation& location) {
    const auto& now = location.currentConditions();
    if (!now) {
        return;
    }
    std::string heading = "Now";
    const std::optional<platform::Date> when = now->date() ? now->date() : location.creationDate();
    if (location.isStale() && !when) {
        heading = "Then (time unknown)";
    } else if (location.isStale()) {
        // Old conditions say when they were observed (else when the data was made) and how long ago.
        const platform::Date observed = *when;
        const auto fields = LocalCalendar::fieldsOf(observed, location.timeZone());
        heading =
            fmt::format("Then ({} {:02}:{:02} local, {} ago)", localDay(observed, location.timeZone()), fields.hour,
                        fields.minute, durationText(platform::Clock::shared()->now().timeIntervalSince(observed)));
    }
    fmt::format_to(std::back_inserter(out), "\n{}: {}°F, {}; feels like {}°F; wind {} {} mph; humidity {}%; UV {} {}\n",
                   heading, now->temperature(), printableText(now->text()), now->feelsLike(),
                   printableText(now->windDirectionDescription()), now->windSpeed(), now->humidity(), now->uvIndex(),
                   printableText(now->uvText()));
}

void appendHours(std::string& out, const QOVLocation& location) {
    if (!location.hourlyForecasts()) {
        return;
    }
    // From the hour under way on; nothing when every hour is past.
    const platform::Date from = platform::Clock::shared()->now().addingTimeInterval(-3600.0);
    std::string lines;
    std::size_t shown = 0;
    for (const auto& hour : *location.hourlyForecasts()) {
        if (!hour || !hour->date() || hour->date()->secondsSince1970 <= from.secondsSince1970) {
            continue;
        }
        const auto fields = LocalCalendar::fieldsOf(*hour->date(), location.timeZone());
        fmt::format_to(std::back_inserter(lines), "  {:02}:00  {:>4}°F  {:>3}% precip  {}\n", fields.hour,
                       hour->temperature(), hour->chanceOfPrecipitation(), printableText(hour->text()));
        if (++shown == WeatherSummaryText::kHourCount) {
            break;
        }
    }
    if (!lines.empty()) {
        out += "\nNext hours:\n" + lines;
    }
}

void appendDays(std::string& out, const QOVLocation& location) {
    if (!location.dailyForecasts()) {
        return;
    }
    std::string lines;
    for (const auto& day : *location.dailyForecasts()) {
        if (!day || !day->date() || isBeforeToday(*day->date(), location.timeZone())) {
            continue;
        }
        const auto& part = day->dayForecast() ? day->dayForecast() : day->nightForecast();
        fmt::format_to(std::back_inserter(lines), "  {}  high {:>4}°F  low {:>4}°F  {:>3}% precip  {}\n",
                       localDay(*day->date(), location.timeZone()), day->highTemperature(), day->lowTemperature(),
                       part ? part->chanceOfPrecipitation() : 0, part ? printableText(part->text()) : "");
    }
    if (!lines.empty()) {
        out += "\nDays:\n" + lines;
    }
}

}  // namespace

std::string WeatherSummaryText::summaryOf(const QOVLocation& location) {
    std::string out;
    appendPlace(out, location);
    appendCurrentConditions(out, location);
    appendHours(out, location);
    appendDays(out, location);
    return out;
}

}  // namespace qov
