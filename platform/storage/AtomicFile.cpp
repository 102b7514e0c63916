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
