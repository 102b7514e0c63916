#pragma once

#include <string>

namespace qov {

class QOVLocationIdentity;

// The name a place is shown under: a type-ahead match's or a location's own display name, else the nickname,
// else the bare key.
std::string locationDisplayName(const QOVLocationIdentity& location);

}  // namespace qov
