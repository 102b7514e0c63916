#include "platform/storage/FolderWriters.h"

#include <sys/xattr.h>

#include <cerrno>
#include <cstdint>
#include <string>

namespace platform {

namespace {

constexpr const char* kAccessListAttribute = "system.posix_acl_access";
// The attribute's layout: a 4-byte version, then entries of a 2-byte tag, 2-byte permissions and a 4-byte user or
// group id, each little-endian.
constexpr std::uint32_t kAccessListVersion = 2;
constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kEntrySize = 8;
constexpr unsigned kNamedUser = 0x02;
constexpr unsigned kNamedGroup = 0x08;
constexpr unsigned kMask = 0x10;
constexpr unsigned kWrite = 0x02;

unsigned littleEndian(std::string_view bytes, std::size_t at, std::size_t size) {
    unsigned value = 0;
    for (std::size_t index = size; index-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + index]);
    }
    return value;
}

// The access list through read (which behaves as getxattr with a buffer and its size), "" when there is none.
template <typename Read>
FolderWriters readAccessList(const Read& read, const struct stat& status) {
    std::string bytes;
    // The list may grow between asking its size and reading it: ask again then.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ssize_t size = read(nullptr, 0);
        if (size < 0) {
            break;
        }
        bytes.resize(static_cast<std::size_t>(size));
        const ssize_t length = read(bytes.data(), bytes.size());
        if (length >= 0) {
            bytes.resize(static_cast<std::size_t>(length));
            return FolderWriters::fromAccessList(bytes, status);
        }
        if (errno != ERANGE) {
            break;
        }
    }
    const int reason = errno;
    FolderWriters writers = FolderWriters::fromAccessList({}, status);
    if (reason != ENODATA && reason != ENOTSUP) {
        writers.error = {reason, std::system_category()};
    }
    return writers;
}

}  // namespace

FolderWriters FolderWriters::of(const std::filesystem::path& folder, const struct stat& status) {
    return readAccessList(
        [&](char* buffer, std::size_t size) { return ::getxattr(folder.c_str(), kAccessListAttribute, buffer, size); },
        status);
}

FolderWriters FolderWriters::of(int descriptor, const struct stat& status) {
    return readAccessList(
        [&](char* buffer, std::size_t size) { return ::fgetxattr(descriptor, kAccessListAttribute, buffer, size); },
        status);
}

FolderWriters FolderWriters::fromAccessList(std::string_view accessList, const struct stat& status) {
    FolderWriters writers;
    writers.everyone = (status.st_mode & S_IWOTH) != 0;
    if (accessList.empty()) {
        return writers;
    }
    if (accessList.size() < kHeaderSize || (accessList.size() - kHeaderSize) % kEntrySize != 0 ||
        littleEndian(accessList, 0, 4) != kAccessListVersion) {
        writers.error = std::make_error_code(std::errc::bad_message);
        return writers;
    }
    bool maskAllowsWrite = true;  // a list without a mask names no user or group
    std::vector<unsigned> users;
    std::vector<unsigned> groups;
    for (std::size_t at = kHeaderSize; at < accessList.size(); at += kEntrySize) {
        const unsigned tag = littleEndian(accessList, at, 2);
        const bool write = (littleEndian(accessList, at + 2, 2) & kWrite) != 0;
        const unsigned id = littleEndian(accessList, at + 4, 4);
        if (tag == kMask) {
            maskAllowsWrite = write;
        } else if (write && tag == kNamedUser && id != status.st_uid) {
            users.push_back(id);
        } else if (write && tag == kNamedGroup && id != status.st_gid) {
            groups.push_back(id);
        }
    }
    if (maskAllowsWrite) {
        writers.users = std::move(users);
        writers.groups = std::move(groups);
    }
    return writers;
}

}  // namespace platform
