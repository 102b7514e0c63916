#pragma once

#include <filesystem>
#include <system_error>

namespace platform {

// A folder only its owner may enter (mode 0700), for files that hold the user's places and settings.
class PrivateFolder {
public:
    // Creates the folder with mode 0700 (its parent must exist), or narrows an existing folder to 0700.
    // Answers what went wrong: a file in the way, a missing parent, no permission.
    static std::error_code ensure(const std::filesystem::path& folder);
};

}  // namespace platform
