#pragma once

#include <filesystem>
#include <memory>
#include <string>

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

    // Makes the home folder when it is missing (0700, with any missing folder above it) and takes the lock. An
    // existing home and whatever it holds keep their modes; only the lock file is made private, once the lock is
    // held. nullptr, with the reason in problem, when the home cannot be made or is refused
    // (PrivateFolder::homeProblem), when one of the application's folders in it (Library, its Caches with their
    // AppCache and MapCache, Preferences and Keychains, and Documents) can be written by other users
    // (PrivateFolder::sharedFolderProblem; both are looked at before anything in the home is opened), when
    // another runner holds it or the lock file cannot be made.
    static std::unique_ptr<HomeLock> acquire(const std::filesystem::path& home, Choice choice, std::string& problem);

    ~HomeLock();
    HomeLock(const HomeLock&) = delete;
    HomeLock& operator=(const HomeLock&) = delete;

private:
    explicit HomeLock(int descriptor) : m_descriptor(descriptor) {}

    int m_descriptor;
};

}  // namespace qovcli
