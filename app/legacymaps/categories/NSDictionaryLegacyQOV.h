#pragma once

#include <optional>

#include "platform/base/Value.h"

namespace qov {

// A dictionary as a keyed archive, the dictionary stored under the key "data" (the root's class is
// "LegacyDictionaryArchive"). Values an archive cannot hold are left out as the archiver does. Any thread.
class NSDictionaryLegacyQOV {
public:
    static std::optional<platform::Data> encodeToData(const platform::Dictionary& dictionary);
    // The dictionary of such an archive; nullopt for anything else (truncated, corrupt, another class).
    static std::optional<platform::Dictionary> initWithData(const platform::Data& data);
};

}  // namespace qov
