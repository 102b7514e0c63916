// The model factory's reader of type-ahead location searches.
#include "app/core/model/JsonAnswerGuard.h"
#include "app/core/model/JsonDocumentParser.h"
#include "app/core/model/JsonValueReader.h"
#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVTypeAheadLocation.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

using Reader = JsonValueReader;
using Locations = std::vector<std::shared_ptr<QOVTypeAheadLocation>>;

// Whether the answer reports errors: anything under "errors" but nothing, null, an empty list or an empty
// object.
bool reportsErrors(const JsonDictionary& answer) {
    const auto errors = Reader::valueForKey("errors", &answer);
    if (!errors) {
        return false;
    }
    simdjson::dom::array list;
    if (errors->get_array().get(list) == simdjson::SUCCESS) {
        return list.size() > 0;
    }
    simdjson::dom::object object;
    if (errors->get_object().get(object) == simdjson::SUCCESS) {
        return object.size() > 0;
    }
    return true;
}

}  // namespace

std::vector<std::shared_ptr<QOVTypeAheadLocation>> QOVModelFactory::typeAheadLocationsUsingJSON(
    std::string_view json) const {
    return JsonAnswerGuard::run<Locations>("type-ahead", {}, [&]() {
        Locations locations;
        const auto root = JsonDocumentParser::parse(json);
        simdjson::dom::object object;
        if (!root || root->get_object().get(object) != simdjson::SUCCESS) {
            QOV_LOG_INFO("Type-ahead answer is not a JSON object; no results");
            return locations;
        }
        const Dictionary answer(object);
        if (reportsErrors(answer)) {
            QOV_LOG_INFO("Type-ahead answer reports errors; no results");
            return locations;
        }
        for (const auto& result : Reader::objectsInListWithKey("results", &answer)) {
            locations.push_back(typeAheadLocationFromJSONDictionary(result));
        }
        return locations;
    });
}

std::shared_ptr<QOVTypeAheadLocation> QOVModelFactory::typeAheadLocationFromJSONDictionary(
    const Dictionary& dictionary) const {
    auto location = std::make_shared<QOVTypeAheadLocation>();
    location->setType(Reader::integerWithKey("type", &dictionary));
    location->setKey(Reader::stringWithKey("key", &dictionary));
    location->setName(Reader::stringWithKey("name", &dictionary));
    location->setCity(Reader::stringWithKey("city", &dictionary));
    location->setState(Reader::stringWithKey("state", &dictionary));
    location->setPostalCode(Reader::stringWithKey("zip", &dictionary));
    // Unlike the location record, "country" is the code here and "countryName" the name.
    location->setCountry(Reader::stringWithKey("countryName", &dictionary));
    location->setCountryCode(Reader::stringWithKey("country", &dictionary));
    return location;
}

}  // namespace qov
