#pragma once

#include <memory>
#include <string>

#include "app/core/model/QOVTypeAheadLocation.h"

namespace qovtest {

// A search result as the type-ahead search answers it: a city in Georgia, United States, under its location key.
inline std::shared_ptr<qov::QOVTypeAheadLocation> georgiaMatch(const std::string& key, const std::string& city) {
    auto location = std::make_shared<qov::QOVTypeAheadLocation>();
    location->setKey(key);
    location->setCity(city);
    location->setState("GA");
    location->setCountryCode("US");
    return location;
}

}  // namespace qovtest
