#pragma once

#include <filesystem>

namespace qov {

// The base folder of the application's files that can be rebuilt: the caches directory of the application
// home (platform::AppDirectories::shared(), which the runner's --home and tests move). Created when missing.
class ApplicationCachesDirectory {
public:
    static std::filesystem::path path();
};

}  // namespace qov
