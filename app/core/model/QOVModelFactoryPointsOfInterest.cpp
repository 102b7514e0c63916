// The model factory's reader of the points of interest of one map tile.
#include <cmath>
#include <limits>

#include "app/core/model/JsonAnswerGuard.h"
#include "app/core/model/JsonDocumentParser.h"
#include "app/core/model/JsonValueReader.h"
#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVPointOfInterest.h"
#include "platform/base/Log.h"
#include "platform/base/NumberText.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

using Reader = JsonValueReader;
using Points = std::vector<std::shared_ptr<QOVPointOfInterest>>;

// The single-precision value of a text's leading number; 0 when there is none or a float cannot hold it.
float floatFromText(std::string_view text) {
    const double value = platform::doubleFromText(text);
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        return 0.0F;
    }
    return static_cast<float>(value);
}

}  // namespace

std::vector<std::shared_ptr<QOVPointOfInterest>> QOVModelFactory::pointOfInterestUsingJSON(
    std::string_view json) const {
    return JsonAnswerGuard::run<Points>("points of interest", {}, [&]() {
        Points points;
        const auto root = JsonDocumentParser::parse(json);
        simdjson::dom::array list;
        if (!root || root->get_array().get(list) != simdjson::SUCCESS) {
            QOV_LOG_INFO("Points-of-interest answer is not a JSON list; no points");
            return points;
        }
        for (simdjson::dom::element element : list) {
            simdjson::dom::object object;
            if (element.get_object().get(object) == simdjson::SUCCESS) {
                points.push_back(POIFromJSONDictionary(Dictionary(object)));
            }
        }
        return points;
    });
}

std::shared_ptr<QOVPointOfInterest> QOVModelFactory::POIFromJSONDictionary(const Dictionary& dictionary) const {
    auto point = std::make_shared<QOVPointOfInterest>();
    point->setPoiType(Reader::integerWithKey("locType", &dictionary));
    point->setPointId(Reader::stringWithKey("id", &dictionary));
    point->setDnam(Reader::stringWithKey("dnam", &dictionary));
    point->setLatitude(floatFromText(Reader::stringWithKey("lat", &dictionary)));
    point->setLongitude(floatFromText(Reader::stringWithKey("lng", &dictionary)));
    point->setLastUpdate(Reader::stringWithKey("last_updated", &dictionary));
    // Only the text "false" itself clears the flag: an absent value leaves the point severe.
    point->setSevere(Reader::stringWithKey("severe", &dictionary) != "false");
    point->setTemperature(platform::integerFromText(Reader::stringWithKey("tmp", &dictionary)));
    return point;
}

}  // namespace qov
