#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include <sys/stat.h>

namespace platform {

// Who besides a folder's owner and its owning group may write in it: everyone, by the others' write bit of its
// mode, and the users and groups its access list (the POSIX access ACL the kernel keeps in the attribute
// "system.posix_acl_access") names with write permission that its mask leaves in force. An entry naming the
// owner or the owning group counts as them. A file system without access lists has none. Thread-safe (no state).
struct FolderWriters {
    bool everyone = false;
    std::vector<unsigned> users;
    std::vector<unsigned> groups;
    // Set when the access list could not be read (or is not one the kernel writes): who else may write is unknown.
    std::error_code error;

    bool any() const { return everyone || !users.empty() || !groups.empty(); }

    // Of the folder path names, following links; status is what stat() gave for it.
    static FolderWriters of(const std::filesystem::path& folder, const struct stat& status);
    // Of the open folder; status is what fstat() gave for it.
    static FolderWriters of(int descriptor, const struct stat& status);
    // From the bytes of an access list as the attribute holds them ("" when the folder has none).
    static FolderWriters fromAccessList(std::string_view accessList, const struct stat& status);
};

}  // namespace platform
