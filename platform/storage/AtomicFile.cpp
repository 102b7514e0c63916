#include "platform/storage/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <system_error>

#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/WriteTemporaries.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::error_code lastError() { return {errno, std::system_category()}; }

bool isPipeOrDevice(mode_t mode) { return S_ISFIFO(mode) || S_ISCHR(mode) || S_ISBLK(mode); }

// Writes into a pipe or a device, in place. It is opened without waiting (a pipe that nothing reads would keep a
// plain open waiting for ever) and then written waiting.
bool writeInto(const std::filesystem::path& file, mode_t expected, std::string_view bytes, std::string& problem) {
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        problem = errno == ENXIO && S_ISFIFO(expected) ? "it is a pipe that nothing reads" : lastError().message();
        return false;
    }
    struct stat opened {};
    bool written = false;
    if (::fstat(descriptor, &opened) != 0) {
        problem = lastError().message();
    } else if (!isPipeOrDevice(opened.st_mode)) {
        problem = "it was replaced while it was being opened";  // a file is never written in place
    } else {
        const int flags = ::fcntl(descriptor, F_GETFL);
        written = flags >= 0 && ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == 0 && writeAll(descriptor, bytes);
        if (!written) {
            problem = lastError().message();
        }
    }
    if (::close(descriptor) != 0 && written) {
        written = false;
        problem = lastError().message();
    }
    return written;
}

// The rename is durable once the folder's entry is on disk. A folder that cannot be flushed is logged; the
// file itself is already in place.
void syncFolder(const std::filesystem::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0 || ::fsync(descriptor) != 0) {
        QOV_LOG_WARN("cannot flush the folder {} to disk: {}", folder.string(), std::strerror(errno));
    }
    if (descriptor >= 0) {
        ::close(descriptor);
    }
}

// "<file>.corrupt-<seconds since 1970>", with "-1", "-2", ... when that is taken.
std::filesystem::path asideName(const std::filesystem::path& file) {
    const auto seconds = static_cast<long long>(std::floor(Clock::shared()->now().secondsSince1970));
    std::filesystem::path aside = file;
    aside += ".corrupt-" + std::to_string(seconds);
    std::error_code error;
    for (int counter = 1; std::filesystem::exists(std::filesystem::symlink_status(aside, error)); ++counter) {
        aside = file;
        aside += ".corrupt-" + std::to_string(seconds) + "-" + std::to_string(counter);
    }
    return aside;
}

}  // namespace

bool AtomicFile::write(const std::filesystem::path& file, std::string_view bytes, mode_t mode) {
    std::error_code error;
    return write(file, bytes, mode, error);
}

bool AtomicFile::write(const std::filesystem::path& file, std::string_view bytes, mode_t mode, std::error_code& error) {
    return replace(file, bytes, mode, true, error);
}

bool AtomicFile::writeReplaceable(const std::filesystem::path& file, std::string_view bytes, mode_t mode) {
    std::error_code error;
    return replace(file, bytes, mode, false, error);
}

bool AtomicFile::writeWhereAsked(const std::filesystem::path& file, std::string_view bytes, std::string& problem) {
    struct stat named {};
    const bool missing = ::lstat(file.c_str(), &named) != 0;
    if (missing && errno != ENOENT) {
        problem = lastError().message();
        return false;
    }
    std::filesystem::path target = file;
    if (!missing && S_ISLNK(named.st_mode) && !AppDirectories::shared()->holds(file)) {
        std::error_code error;
        target = std::filesystem::canonical(file, error);
        if (error == std::errc::no_such_file_or_directory) {
            problem =
                "it is a link to " + std::filesystem::read_symlink(file, error).string() + ", which does not exist";
            return false;
        }
        if (error || ::lstat(target.c_str(), &named) != 0) {
            problem = error ? error.message() : lastError().message();
            return false;
        }
    }
    if (missing || S_ISREG(named.st_mode) || S_ISLNK(named.st_mode)) {
        std::error_code error;
        if (!replace(target, bytes, 0600, false, error)) {
            problem = error.message();
            return false;
        }
        return true;
    }
    if (S_ISDIR(named.st_mode)) {
        problem = "it is a folder";
        return false;
    }
    if (isPipeOrDevice(named.st_mode)) {
        return writeInto(target, named.st_mode, bytes, problem);
    }
    problem = "it is neither a file, a pipe nor a device";
    return false;
}

bool AtomicFile::replace(const std::filesystem::path& file, std::string_view bytes, mode_t mode, bool durable,
                         std::error_code& error) {
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    WriteTemporaries::removeLeftoversOnFirstWrite(folder);
    std::string temporary = WriteTemporaries::patternFor(file);
    const int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        error = lastError();
        QOV_LOG_ERROR("cannot create a temporary file for {}: {}", file.string(), error.message());
        return false;
    }
    WriteTemporaries::registerInFlight(temporary);
    bool written =
        ::fchmod(descriptor, mode) == 0 && writeAll(descriptor, bytes) && (!durable || ::fsync(descriptor) == 0);
    error = written ? std::error_code() : lastError();
    if (::close(descriptor) != 0 && written) {
        written = false;
        error = lastError();
    }
    if (written && ::rename(temporary.c_str(), file.c_str()) != 0) {
        written = false;
        error = lastError();
        QOV_LOG_ERROR("cannot rename {} to {}: {}", temporary, file.string(), error.message());
    } else if (!written) {
        QOV_LOG_ERROR("cannot write {}: {}", temporary, error.message());
    }
    if (!written) {
        ::unlink(temporary.c_str());
    }
    WriteTemporaries::unregisterInFlight(temporary);
    if (written && durable) {
        syncFolder(folder);
    }
    return written;
}

std::optional<std::string> AtomicFile::read(const std::filesystem::path& file, std::size_t maxSize) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return std::nullopt;
    }
    if (error || status.type() != std::filesystem::file_type::regular) {
        QOV_LOG_ERROR("{} is not a readable file", file.string());
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > maxSize) {
        QOV_LOG_ERROR("{} is too large to read ({} bytes, at most {})", file.string(), size, maxSize);
        return std::nullopt;
    }
    std::ifstream stream(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!stream || !stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        QOV_LOG_ERROR("cannot read {}", file.string());
        return std::nullopt;
    }
    return bytes;
}

void AtomicFile::moveAside(const std::filesystem::path& file, std::string_view what, std::string_view problem) {
    const std::filesystem::path aside = asideName(file);
    std::error_code error;
    std::filesystem::rename(file, aside, error);
    if (error) {
        QOV_LOG_ERROR("cannot move the unreadable {} {} ({}) aside: {}", what, file.string(), problem, error.message());
    } else {
        QOV_LOG_ERROR("moved the unreadable {} {} ({}) to {}", what, file.string(), problem, aside.string());
    }
}

bool AtomicFile::keepAside(const std::filesystem::path& file, std::string_view bytes, std::string_view what,
                           std::string_view problem) {
    const std::filesystem::path aside = asideName(file);
    if (!write(aside, bytes)) {
        QOV_LOG_ERROR("cannot keep the unreadable {} ({}) aside in {}", what, problem, aside.string());
        return false;
    }
    QOV_LOG_ERROR("kept the unreadable {} ({}) in {}", what, problem, aside.string());
    return true;
}

}  // namespace platform
