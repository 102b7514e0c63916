#pragma once

#include <string>

namespace qov {

// "http://HOST" for the tile host named under an information-list key of the main bundle; empty when the bundle
// names none. Shared by the tile server's data source and the older tile map's series poller.
std::string tileHostURLForInfoKey(const char* key);

}  // namespace qov
