#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <utility>

namespace qovcli {

// One runner per application home: the lock file "qovara.lock" in the home, held with flock() for the life of
// this object (the system releases it when the process ends, however it ends). The file holds the holder's
// process id, for the message the next runner gives. Locks of one process conflict too (each acquire opens
// the file anew).
class HomeLock {
public:
    static constexpr const char* kFileName = "qovara.lock";

    // How the home was chosen: named by the user (--home; it may be a symbolic link to a folder) or the default
    // home, which is refused when it is a symbolic link.
    enum class Choice { Named, Default };

    // Finds the home as a shell would (PrivateFolder::resolve), makes it when it is missing (0700, with any missing
    // folder above it) and takes the lock. An existing home and whatever it holds keep their modes; only the lock
    // file is made private, once the lock is held. nullptr, with the reason in problem, when the home is refused:
    // a default home that is a symbolic link, folders above it that would let another user swap it (looked at
    // before anything is made), a home that is not a folder, not the user's or that others may write in, one of
    // the application's folders in it (AppDirectories::folders()) that the application cannot trust (all looked
    // at before anything in the home is opened; PrivateFolder), or when it cannot be made, another runner holds
    // it or the lock file cannot be made. A refused home is left as it was.
    static std::unique_ptr<HomeLock> acquire(const std::filesystem::path& home, Choice choice, std::string& problem);

    // The home as found: absolute, without links, "." or "..": the folder the lock is in.
    const std::filesystem::path& home() const { return m_home; }

    ~HomeLock();
    HomeLock(const HomeLock&) = delete;
    HomeLock& operator=(const HomeLock&) = delete;

private:
    HomeLock(int descriptor, std::filesystem::path home) : m_descriptor(descriptor), m_home(std::move(home)) {}

    int m_descriptor;
    std::filesystem::path m_home;
};

}  // namespace qovcli
