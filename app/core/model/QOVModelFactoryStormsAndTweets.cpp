// The model factory's readers of the active tropical storms and of tweet lists.
#include <algorithm>

#include "app/core/model/JsonAnswerGuard.h"
#include "app/core/model/JsonDocumentParser.h"
#include "app/core/model/JsonValueReader.h"
#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVTropicalStorm.h"
#include "app/core/model/QOVTweet.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

using Reader = JsonValueReader;
using Storms = std::vector<std::shared_ptr<QOVTropicalStorm>>;
using Tweets = std::vector<std::shared_ptr<QOVTweet>>;

// Builds one object from each object of a list root, in order; nullopt when the root is not a list.
template <typename T, typename Build>
std::optional<std::vector<std::shared_ptr<T>>> buildFromListRoot(std::string_view json, std::string_view kind,
                                                                 Build build) {
    const auto root = JsonDocumentParser::parse(json);
    simdjson::dom::array list;
    if (!root || root->get_array().get(list) != simdjson::SUCCESS) {
        return std::nullopt;
    }
    std::vector<std::shared_ptr<T>> objects;
    for (simdjson::dom::element element : list) {
        simdjson::dom::object object;
        if (element.get_object().get(object) == simdjson::SUCCESS) {
            objects.push_back(build(JsonDictionary(object)));
        } else {
            QOV_LOG_INFO("An element of the {} list is not an object; skipped", kind);
        }
    }
    return objects;
}

const JsonDictionary* pointer(const std::optional<JsonDictionary>& dictionary) {
    return dictionary ? &*dictionary : nullptr;
}

// The address a text names, or nothing when the text is empty or holds characters no address can.
std::optional<std::string> urlFromText(std::string text) {
    const auto unfit = [](unsigned char c) {
        return c <= 0x20 || c >= 0x7F || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' || c == '`' ||
               c == '{' || c == '|' || c == '}';
    };
    if (text.empty() || std::any_of(text.begin(), text.end(), unfit)) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

std::optional<std::vector<std::shared_ptr<QOVTropicalStorm>>> QOVModelFactory::tropicalStormDataUsingJSON(
    std::string_view json) const {
    return JsonAnswerGuard::run<std::optional<Storms>>("tropical storm", std::nullopt, [&]() {
        auto storms = buildFromListRoot<QOVTropicalStorm>(
            json, "storm", [this](const Dictionary& storm) { return tropicalStormFromJSONDictionary(storm); });
        if (!storms) {
            QOV_LOG_INFO("Tropical storm answer is not a JSON list; no storm data");
        }
        return storms;
    });
}

std::shared_ptr<QOVTropicalStorm> QOVModelFactory::tropicalStormFromJSONDictionary(const Dictionary& dictionary) const {
    auto storm = std::make_shared<QOVTropicalStorm>();
    storm->setStormId(Reader::stringWithKey("id", &dictionary));
    storm->setStormName(Reader::stringWithKey("name", &dictionary));
    storm->setActive(Reader::stringWithKey("isActive", &dictionary) == "true");
    storm->setReportTime(Reader::epochDateWithKey("reportTime", &dictionary));
    storm->setNextUpdate(Reader::stringWithKey("nextUpdate", &dictionary));
    storm->setCategory(Reader::stringWithKey("cat", &dictionary));
    storm->setLatitude(Reader::decimalWithKey("lat", &dictionary));
    storm->setLongitude(Reader::decimalWithKey("lng", &dictionary));
    storm->setPressure(Reader::decimalWithKey("pressure", &dictionary));
    const auto wind = Reader::objectWithKey("wind", &dictionary);
    storm->setWindSpeed(Reader::integerWithKey("speed", pointer(wind)));
    storm->setWindGusts(Reader::integerWithKey("gusts", pointer(wind)));
    const auto moving = Reader::objectWithKey("moving", &dictionary);
    const auto heading = Reader::objectWithKey("head", pointer(moving));
    storm->setMovingHeading(Reader::stringWithKey("deg", pointer(heading)));
    storm->setMovingDirectionText(Reader::stringWithKey("cdnl", pointer(heading)));
    storm->setMovingSpeed(Reader::integerWithKey("speed", pointer(moving)));
    storm->setMaxType(Reader::stringWithKey("maxType", &dictionary));
    const auto near = Reader::objectWithKey("near", &dictionary);
    storm->setNearDistance(Reader::stringWithKey("distance", pointer(near)));
    return storm;
}

std::optional<std::vector<std::shared_ptr<QOVTweet>>> QOVModelFactory::tweetsUsingJSON(std::string_view json) const {
    auto tweets = JsonAnswerGuard::run<std::optional<Tweets>>("tweet", std::nullopt, [&]() {
        return buildFromListRoot<QOVTweet>(json, "tweet",
                                           [this](const Dictionary& tweet) { return tweetFromJSONDictionary(tweet); });
    });
    if (!tweets) {
        QOV_LOG_INFO("JSON root array contained no information.");
        fireNoDataError();
    }
    return tweets;
}

std::shared_ptr<QOVTweet> QOVModelFactory::tweetFromJSONDictionary(const Dictionary& dictionary) const {
    auto tweet = std::make_shared<QOVTweet>();
    tweet->setTweetID(Reader::stringWithKey("tweetId", &dictionary));
    tweet->setText(Reader::stringWithKey("text", &dictionary));
    tweet->setDate(Reader::epochDateWithKey("date", &dictionary));
    // The author and the place are read only when the record has them (an object of another kind counts as
    // absent).
    if (const auto tweeter = Reader::objectWithKey("tweeter", &dictionary)) {
        tweet->setTweeter(Reader::stringWithKey("screenName", &*tweeter));
        tweet->setAvatarURL(urlFromText(Reader::stringWithKey("profileImageURL", &*tweeter)));
    }
    if (const auto location = Reader::objectWithKey("location", &dictionary)) {
        tweet->setCityName(Reader::stringWithKey("name", &*location));
        tweet->setCountryName(Reader::stringWithKey("country", &*location));
    }
    return tweet;
}

}  // namespace qov
