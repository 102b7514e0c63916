#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

// The application's home folder with the phone's sandbox layout: "Library/Caches" (the caches directory),
// "Documents" and "Library/Preferences". Each directory accessor creates the home when it is missing, and its
// folders ("Library" too) private (PrivateFolder: the application's own folders are 0700, an existing home keeps
// its mode; a failure is logged; the path is answered anyway). Thread-safe.
class AppDirectories {
public:
    // The home's layout, the one place its folders are named: the directory accessors, the application's caches
    // (their folders in the caches directory), the secret store and the runner's check of a home read these.
    static constexpr const char* kCachesFolder = "Library/Caches";
    static constexpr const char* kPreferencesFolder = "Library/Preferences";
    static constexpr const char* kKeychainsFolder = "Library/Keychains";
    static constexpr const char* kDocumentsFolder = "Documents";
    static constexpr const char* kApplicationCacheFolder = "AppCache";  // in the caches directory
    static constexpr const char* kMapCacheFolder = "MapCache";          // in the caches directory

    // Every folder of the layout, relative to the home, each after the folder that holds it ("Library" first).
    static std::vector<std::filesystem::path> folders();

    explicit AppDirectories(std::filesystem::path home);

    // $XDG_DATA_HOME/qovara when that variable holds an absolute path, else ~/.local/share/qovara
    // (else, with no home either, "qovara" in the temporary directory). The runner refuses a default home that is a
    // symbolic link or another user's (PrivateFolder::defaultHomeProblem, PrivateFolder::homeProblem).
    static std::filesystem::path defaultHome();

    // The process instance, made on first use with defaultHome(); the runner's --home and tests replace it or
    // move its home. After setShared(nullptr) the next shared() makes a fresh one.
    static std::shared_ptr<AppDirectories> shared();
    static void setShared(std::shared_ptr<AppDirectories> directories);

    std::filesystem::path home() const;
    void setHome(std::filesystem::path home);
    // Whether path is the home or lies under it, by name: links are not resolved, a relative path is taken from the
    // current folder.
    bool holds(const std::filesystem::path& path) const;

    std::filesystem::path cachesDirectory() const;
    std::filesystem::path documentsDirectory() const;
    std::filesystem::path preferencesDirectory() const;

private:
    std::filesystem::path directory(const std::filesystem::path& relative) const;

    mutable std::mutex m_mutex;
    std::filesystem::path m_home;
};

}  // namespace platform
