#include "app/core/services/ApplicationGuid.h"

#include <mutex>

#include <uuid/uuid.h>

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

std::string newUuidText() {
    uuid_t uuid;
    uuid_generate_random(uuid);
    char text[37] = {};
    uuid_unparse_upper(uuid, text);
    return text;
}

}  // namespace

std::string ApplicationGuid::guidFromDefaults(platform::UserDefaults& defaults) {
    // Two first callers at once must not make two identifiers.
    static platform::NeverDestroyed<std::mutex> creationMutex;
    const std::lock_guard lock(*creationMutex);
    std::string guid = defaults.stringForKey(kDefaultsKey);
    if (guid.empty()) {
        guid = newUuidText();
        defaults.setString(guid, kDefaultsKey);
        if (!defaults.synchronize()) {
            QOV_LOG_ERROR("The application identifier could not be written to the user defaults");
        }
    }
    return guid;
}

}  // namespace qov
