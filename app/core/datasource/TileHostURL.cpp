#include "app/core/datasource/TileHostURL.h"

#include "platform/storage/Bundle.h"

namespace qov {

std::string tileHostURLForInfoKey(const char* key) {
    const std::string host = platform::Bundle::main().objectForInfoDictionaryKey(key).stringValue();
    return host.empty() ? std::string() : "http://" + host;
}

}  // namespace qov
