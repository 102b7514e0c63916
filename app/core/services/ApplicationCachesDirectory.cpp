#include "app/core/services/ApplicationCachesDirectory.h"

#include "platform/storage/AppDirectories.h"

namespace qov {

std::filesystem::path ApplicationCachesDirectory::path() {
    return platform::AppDirectories::shared()->cachesDirectory();
}

}  // namespace qov
