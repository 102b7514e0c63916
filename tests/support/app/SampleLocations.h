#pragma once

#include <memory>
#include <string>

#include "app/core/model/QOVLocation.h"
#include "platform/base/Clock.h"

namespace qovtest {

// A place's weather as the stand-in service answers it at the clock's time (aggregate, plus marine data for
// coastal places), built by the model factory. nullptr when the service or the factory has none.
std::shared_ptr<qov::QOVLocation> sampleLocation(const std::string& key, const std::shared_ptr<platform::Clock>& clock);

}  // namespace qovtest
