#include "sim/TweetRoutes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include <fmt/format.h>

#include "sim/ServiceKey.h"
#include "sim/WeatherAnswers.h"

namespace qovsim {

namespace {

using Json = WeatherAnswers::Json;

constexpr int kMostTweets = 25;
constexpr double kSlotSeconds = 900.0;      // at most one tweet per quarter hour
constexpr double kShareOfSlots = 0.6;       // how many quarter hours have one
constexpr long long kSlotsSearched = 2880;  // 30 days back at most
constexpr const char* kScreenNames[] = {"skywatcher",  "raindrop_rita", "stormchaser42", "sunnyside_up",
                                        "weathernerd", "cloudspotter",  "frontporchwx",  "dewpointdan"};

std::string dump(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

std::optional<long long> numberFrom(std::string_view text) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

const Place* placeOfLocation(const Gazetteer& gazetteer, const std::string& identifier) {
    const auto colon = identifier.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        return nullptr;
    }
    const auto type = numberFrom(std::string_view(identifier).substr(colon + 1));
    if (!type || *type == 0) {
        return nullptr;
    }
    return gazetteer.findByKey(std::string_view(identifier).substr(0, colon), static_cast<int>(*type));
}

const Place* placeOfArea(const Gazetteer& gazetteer, const std::string& dma) {
    const auto& places = gazetteer.places();
    const auto found = std::find_if(places.begin(), places.end(),
                                    [&dma](const Place& place) { return !dma.empty() && place.dma == dma; });
    return found == places.end() ? nullptr : &*found;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

Json tweet(const WeatherModel& model, long long slot, long long id, double posted) {
    const Place& place = model.place();
    const WeatherSample weather = model.sample(posted);
    const auto temperature = std::lround(weather.temperature);
    const std::string sky = lowered(weather.text());
    std::string text;
    switch (static_cast<int>(model.noise("tweet-text", slot) * 4.0)) {
        case 0: text = fmt::format("{}\u00B0 and {} in {} right now", temperature, sky, place.city); break;
        case 1: text = fmt::format("Anyone else seeing {} skies over {}?", sky, place.city); break;
        case 2:
            text = fmt::format("Wind at {} mph out here in {}. Hold on to your hats!", weather.windSpeed, place.city);
            break;
        default:
            text = fmt::format("Feels like {}\u00B0 in {} today", std::lround(weather.feelsLike), place.city);
            break;
    }
    const char* screenName = kScreenNames[static_cast<std::size_t>(model.noise("tweet-author", slot) * 8.0) % 8];
    return Json{
        {"tweetId", std::to_string(id)},
        {"text", std::move(text)},
        {"date", static_cast<long long>(posted)},
        {"tweeter", Json{{"screenName", screenName},
                         {"profileImageURL", fmt::format("https://images.example.com/avatars/{}.png", screenName)}}},
        {"location", Json{{"name", place.city}, {"country", place.countryCode}}}};
}

SimResponse tweets(const SimEnvironment& environment, const SimRequest& request, const Place* place,
                   const std::string& asked) {
    if (place == nullptr) {
        return SimResponse::json(dump(WeatherAnswers::errorRecord(asked)));
    }
    int wanted = kMostTweets;
    if (request.query.contains("numTweets")) {
        const auto number = numberFrom(request.queryValue("numTweets"));
        wanted = number ? static_cast<int>(std::clamp<long long>(*number, 0, kMostTweets)) : kMostTweets;
    }
    std::optional<long long> olderThan;
    if (request.query.contains("tweetId")) {
        olderThan = numberFrom(request.queryValue("tweetId"));
        if (!olderThan) {
            return SimResponse::json(dump(WeatherAnswers::errorRecord(request.queryValue("tweetId"))));
        }
    }
    const WeatherModel model(*place);
    const double now = std::floor(environment.now().secondsSince1970);
    const auto current = static_cast<long long>(std::floor(now / kSlotSeconds));
    Json list = Json::array();
    for (long long slot = current; slot > current - kSlotsSearched && static_cast<int>(list.size()) < wanted; --slot) {
        if (model.noise("tweet", slot) >= kShareOfSlots) {
            continue;
        }
        const double posted =
            std::floor(static_cast<double>(slot) * kSlotSeconds + model.noise("tweet-minute", slot) * kSlotSeconds);
        // Ids grow with time: milliseconds of the posting, plus a part of the slot's noise.
        const long long id =
            static_cast<long long>(posted) * 1000 + static_cast<long long>(model.noise("tweet-id", slot) * 1000.0);
        if (posted > now || (olderThan && id >= *olderThan)) {
            continue;
        }
        list.push_back(tweet(model, slot, id, posted));
    }
    return SimResponse::json(dump(list));
}

}  // namespace

void addTweetRoutes(Router& router, const SimEnvironment& environment) {
    router.get(R"(/wxdata/tweets_dma/([^/]+)\.js)", [&environment](const SimRequest& request) {
        if (!ServiceKey::accepts(request)) {
            return ServiceKey::refusal();
        }
        const std::string& dma = request.captures.at(0);
        return tweets(environment, request, placeOfArea(environment.gazetteer(), dma), dma);
    });
    router.get(R"(/wxdata/tweets_loc/([^/]*:[^/]*)\.js)", [&environment](const SimRequest& request) {
        if (!ServiceKey::accepts(request)) {
            return ServiceKey::refusal();
        }
        const std::string& identifier = request.captures.at(0);
        return tweets(environment, request, placeOfLocation(environment.gazetteer(), identifier), identifier);
    });
    router.add("POST", "/wxdata/tweet_flag/get.js", [](const SimRequest& request) {
        if (!ServiceKey::accepts(request)) {
            return ServiceKey::refusal();
        }
        const std::string tweetId = request.formValue("tweetid");
        if (tweetId.empty()) {
            return SimResponse::json(
                dump(Json{{"class", "error"}, {"type", "400"}, {"cat", "tweet"}, {"text", "No tweet id"}}));
        }
        return SimResponse::json(dump(Json{{"status", "ok"}, {"tweetId", tweetId}}));
    });
}

}  // namespace qovsim
