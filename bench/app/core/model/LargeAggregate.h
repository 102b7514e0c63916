#pragma once

#include <cstddef>
#include <string>

namespace qovbench {

// A realistic location-aggregate answer of at least minimumBytes: the full US fixture with its hourly,
// high-resolution hourly, daily and narrative periods repeated (dates moving on) as the service sends them for
// several days ahead.
std::string largeAggregateAnswer(std::size_t minimumBytes);

}  // namespace qovbench
