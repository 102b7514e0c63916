#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/base/Value.h"

namespace qov {

class QOVLocationIdentity;

// The locations in a search answer of the application cache: the elements of a list that are locations, in
// order; anything else (nil, a single object, stray elements) gives none of them.
std::vector<std::shared_ptr<QOVLocationIdentity>> locationsOfAnswer(const platform::Value& answer);

// The error bar's text for a postal-code search that found no place: that the network is unavailable while it is,
// else that no place has the code (both localised).
std::string noLocationFoundMessage();

}  // namespace qov
