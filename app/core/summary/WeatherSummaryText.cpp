#include "app/core/summary/WeatherSummaryText.h"

#include <chrono>
#include <cmath>
#include <iterator>

#include <fmt/format.h>

#include "app/core/model/LocalCalendar.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/model/QOVLocation.h"
#include "platform/base/Clock.h"

namespace qov {

namespace {

constexpr const char* kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::string localDay(platform::Date date, const std::optional<std::string>& timeZone) {
    const auto fields = LocalCalendar::fieldsOf(date, timeZone);
    const std::chrono::year_month_day day{std::chrono::year{fields.year},
                                          std::chrono::month{static_cast<unsigned>(fields.month)},
                                          std::chrono::day{static_cast<unsigned>(fields.day)}};
    const std::chrono::weekday weekday{std::chrono::sys_days{day}};
    return fmt::format("{} {:04}-{:02}-{:02}", kWeekdays[weekday.c_encoding()], fields.year, fields.month,
                       fields.day);
}

void appendPlace(std::string& out, const QOVLocation& location) {
    const auto& coordinate = location.coordinate();
    fmt::format_to(std::back_inserter(out), "{} ({})\n", location.displayName(), location.identifierAsString());
    fmt::format_to(std::back_inserter(out), "{:.2f}°{} {:.2f}°{}, time zone {}, data {:.0f} min old\n",
                   std::fabs(coordinate.latitude), coordinate.latitude < 0 ? 'S' : 'N',
                   std::fabs(coordinate.longitude), coordinate.longitude < 0 ? 'W' : 'E',
                   location.timeZone().value_or("unknown"), std::max(0.0, location.age()) / 60.0);
}

void appendCurrentConditions(std::string& out, const QOVLocation& location) {
    const auto& now = location.currentConditions();
    if (!now) {
        return;
    }
    fmt::format_to(std::back_inserter(out),
                   "\nNow: {}°F, {}; feels like {}°F; wind {} {} mph; humidity {}%; UV {} {}\n", now->temperature(),
                   now->text(), now->feelsLike(), now->windDirectionDescription(), now->windSpeed(), now->humidity(),
                   now->uvIndex(), now->uvText());
}

void appendHours(std::string& out, const QOVLocation& location) {
    if (!location.hourlyForecasts() || location.hourlyForecasts()->empty()) {
        return;
    }
    // From the hour under way on.
    const platform::Date from = platform::Clock::shared()->now().addingTimeInterval(-3600.0);
    out += "\nNext hours:\n";
    std::size_t shown = 0;
    for (const auto& hour : *location.hourlyForecasts()) {
        if (!hour || !hour->date() || hour->date()->secondsSince1970 <= from.secondsSince1970) {
            continue;
        }
        const auto fields = LocalCalendar::fieldsOf(*hour->date(), location.timeZone());
        fmt::format_to(std::back_inserter(out), "  {:02}:00  {:>4}°F  {:>3}% precip  {}\n", fields.hour,
                       hour->temperature(), hour->chanceOfPrecipitation(), hour->text());
        if (++shown == WeatherSummaryText::kHourCount) {
            break;
        }
    }
}

void appendDays(std::string& out, const QOVLocation& location) {
    if (!location.dailyForecasts() || location.dailyForecasts()->empty()) {
        return;
    }
    out += "\nDays:\n";
    for (const auto& day : *location.dailyForecasts()) {
        if (!day || !day->date()) {
            continue;
        }
        const auto& part = day->dayForecast() ? day->dayForecast() : day->nightForecast();
        fmt::format_to(std::back_inserter(out), "  {}  high {:>4}°F  low {:>4}°F  {:>3}% precip  {}\n",
                       localDay(*day->date(), location.timeZone()), day->highTemperature(), day->lowTemperature(),
                       part ? part->chanceOfPrecipitation() : 0, part ? part->text() : "");
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
