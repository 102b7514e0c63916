#pragma once

#include <memory>
#include <vector>

#include "platform/base/Value.h"

namespace qov {

class QOVLocationIdentity;

// The locations in a search answer of the application cache: the elements of a list that are locations, in
// order; anything else (nil, a single object, stray elements) gives none of them.
std::vector<std::shared_ptr<QOVLocationIdentity>> locationsOfAnswer(const platform::Value& answer);

}  // namespace qov
