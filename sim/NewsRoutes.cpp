#include "sim/NewsRoutes.h"

#include <cmath>
#include <ctime>

#include <fmt/format.h>

#include "sim/ServiceKey.h"
#include "sim/WeatherAnswers.h"

namespace qovsim {

namespace {

constexpr int kArticles = 6;
constexpr double kArticleInterval = 3 * 3600.0;
constexpr const char* kHeadlines[] = {
    "Forecast: {temp} degrees and {sky} in {place}",
    "What to expect in {place} this week",
    "{place}: how the weekend shapes up",
    "Weather watchers in {place} report {sky} skies",
    "Travel outlook for {place}",
    "Why {place} feels like {feels} degrees today",
};

std::string escaped(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': result += "&amp;"; break;
            case '<': result += "&lt;"; break;
            case '>': result += "&gt;"; break;
            case '"': result += "&quot;"; break;
            default: result += c; break;
        }
    }
    return result;
}

// RFC 822 date in UTC, as RSS writes it.
std::string rssDate(double instant) {
    const auto seconds = static_cast<std::time_t>(instant);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return fmt::format("{}, {:02} {} {} {:02}:{:02}:{:02} GMT", kDays[utc.tm_wday], utc.tm_mday, kMonths[utc.tm_mon],
                       utc.tm_year + 1900, utc.tm_hour, utc.tm_min, utc.tm_sec);
}

std::string article(const Place& place, double published, int index) {
    const WeatherModel model(place);
    const WeatherSample weather = model.sample(published);
    std::string sky = weather.text();
    for (char& c : sky) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string title = fmt::format(
        fmt::runtime(kHeadlines[index % kArticles]), fmt::arg("temp", std::lround(weather.temperature)),
        fmt::arg("sky", sky), fmt::arg("place", place.name), fmt::arg("feels", std::lround(weather.feelsLike)));
    const std::string link =
        fmt::format("https://www.example.com/news/{}/{}", place.key, static_cast<long long>(published));
    return fmt::format(
        "<item><title>{}</title><link>{}</link><description>{}</description><pubDate>{}</pubDate>"
        "<guid isPermaLink=\"true\">{}</guid></item>",
        escaped(title), escaped(link),
        escaped(fmt::format("The latest on the weather in {}, where it is {} degrees.", place.name,
                            std::lround(weather.temperature))),
        rssDate(published), escaped(link));
}

std::string feed(const SimEnvironment& environment) {
    const double now = std::floor(environment.now().secondsSince1970);
    const double latest = std::floor(now / kArticleInterval) * kArticleInterval;
    const auto& places = environment.gazetteer().places();
    std::string items;
    if (!places.empty()) {
        const auto first = static_cast<std::size_t>(latest / kArticleInterval) % places.size();
        for (int index = 0; index < kArticles; ++index) {
            const double published = latest - index * kArticleInterval;
            items += article(places[(first + static_cast<std::size_t>(index) * 7) % places.size()], published,
                             static_cast<int>(static_cast<long long>(published / kArticleInterval) % kArticles));
        }
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<rss version=\"2.0\"><channel><title>Weather News</title>"
           "<link>https://www.example.com/news</link><description>The latest weather stories</description>"
           "<lastBuildDate>" +
           rssDate(latest) + "</lastBuildDate>" + items + "</channel></rss>\n";
}

}  // namespace

void addNewsRoutes(Router& router, const SimEnvironment& environment) {
    router.get("/wxdata/articles/get.xml", [&environment](const SimRequest& request) {
        if (!ServiceKey::accepts(request)) {
            return ServiceKey::refusal();
        }
        return SimResponse{200, "application/rss+xml", feed(environment)};
    });
}

}  // namespace qovsim
