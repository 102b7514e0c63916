#include "platform/storage/PrivateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

#include <fmt/format.h>
#include <fmt/ranges.h>

#include "platform/base/PrintableText.h"
#include "platform/storage/FolderWriters.h"

namespace platform {

namespace {

std::error_code lastError() { return {errno, std::system_category()}; }

constexpr const char* kChooseAnotherHome = "choose a home of your own with --home";

// How many bytes the character at the start of text takes when printableText keeps it as it is; 0 when it
// escapes it (a control character, a byte that is not UTF-8).
std::size_t keptLength(std::string_view text) {
    for (std::size_t length = 1; length <= std::min<std::size_t>(4, text.size()); ++length) {
        if (printableText(text.substr(0, length)) == text.substr(0, length)) {
            return length;
        }
    }
    return 0;
}

// The path as one shell word, as bash reads it, that stays itself when the sentence holding it is made printable:
// as it is when it holds only letters, digits and "/._-+,:@%"; else in single quotes when it holds nothing that
// printableText escapes; else in $'...', with each byte it would escape as \xNN.
std::string shellWord(const std::string& path) {
    const bool plain = !path.empty() && path.find_first_not_of(
                                            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                            "0123456789/._-+,:@%") == std::string::npos;
    if (plain) {
        return path;
    }
    if (printableText(path) == path) {
        std::string quoted = "'";
        for (const char character : path) {
            quoted += character == '\'' ? std::string("'\\''") : std::string(1, character);
        }
        return quoted + "'";
    }
    std::string quoted = "$'";
    for (std::string_view rest = path; !rest.empty();) {
        const std::size_t length = keptLength(rest);
        if (length == 0) {
            quoted += fmt::format("\\x{:02X}", static_cast<unsigned char>(rest.front()));
            rest.remove_prefix(1);
            continue;
        }
        if (rest.front() == '\\' || rest.front() == '\'') {
            quoted += '\\';
        }
        quoted.append(rest.substr(0, length));
        rest.remove_prefix(length);
    }
    return quoted + "'";
}

// "the home H", or with a symbolic link "the home H (a link to T)"; else the folder where it leads.
std::string label(const std::string& what, const std::filesystem::path& named, const std::filesystem::path& resolved) {
    struct stat status {};
    if (named == resolved) {
        return what + " " + named.string();
    }
    if (::lstat(named.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        return what + " " + named.string() + " (a link to " + resolved.string() + ")";
    }
    return what + " " + resolved.string();
}

// Each user and group other than the owner's that the folder's access list lets write, as prefix and id.
std::vector<std::string> namedWriters(const FolderWriters& writers, const std::string& user, const std::string& group) {
    std::vector<std::string> entries;
    for (const unsigned id : writers.users) {
        entries.push_back(user + std::to_string(id));
    }
    for (const unsigned id : writers.groups) {
        entries.push_back(group + std::to_string(id));
    }
    return entries;
}

// " (user U, group G through its access list)", "" when the access list lets no one else write.
std::string accessListEntries(const FolderWriters& writers) {
    const std::vector<std::string> entries = namedWriters(writers, "user ", "group ");
    return entries.empty() ? std::string() : fmt::format(" ({} through its access list)", fmt::join(entries, ", "));
}

// The commands that take others' write away from the folder at path: "run chmod o-w F and setfacl -x u:U F".
std::string mendingCommands(const FolderWriters& writers, const std::filesystem::path& path) {
    std::vector<std::string> commands;
    if (writers.everyone) {
        commands.push_back("chmod o-w " + shellWord(path.string()));
    }
    if (const std::vector<std::string> entries = namedWriters(writers, "u:", "g:"); !entries.empty()) {
        commands.push_back(fmt::format("setfacl -x {} {}", fmt::join(entries, ","), shellWord(path.string())));
    }
    return fmt::format("run {}", fmt::join(commands, " and "));
}

// Why other users could change what the folder (labelled; resolved: where it is, status as stat gave it) holds.
std::string trustProblem(const std::string& folder, const std::filesystem::path& resolved, const struct stat& status,
                         const FolderWriters& writers) {
    if (status.st_uid != ::geteuid()) {
        return folder + " belongs to another user (uid " + std::to_string(status.st_uid) + "); " + kChooseAnotherHome;
    }
    if (writers.error) {
        return "cannot read the access list of " + folder + ": " + writers.error.message();
    }
    if (!writers.any()) {
        return {};
    }
    if ((status.st_mode & S_ISVTX) != 0) {
        return folder + " can be written by other users and is shared with them by design (sticky); " +
               kChooseAnotherHome;
    }
    return folder + " can be written by other users" + accessListEntries(writers) + "; " +
           mendingCommands(writers, resolved);
}

// Why the folders above resolved (subject names it) would let another user swap what they hold.
std::string aboveProblem(const std::filesystem::path& resolved, const std::string& subject) {
    for (std::filesystem::path above = resolved.parent_path();; above = above.parent_path()) {
        struct stat status {};
        // Those not there yet are made private; what is not a folder is not made into one.
        if (::stat(above.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
            const std::string folder = "the folder " + above.string() + " above " + subject;
            const bool mine = status.st_uid == ::geteuid();
            if (!mine && status.st_uid != 0) {
                return folder + " belongs to another user (uid " + std::to_string(status.st_uid) +
                       "), who could swap what it holds; " + kChooseAnotherHome;
            }
            const FolderWriters writers = FolderWriters::of(above, status);
            if (writers.error) {
                return "cannot read the access list of " + folder + ": " + writers.error.message();
            }
            if (writers.any() && (status.st_mode & S_ISVTX) == 0) {
                return folder + " can be written by other users" + accessListEntries(writers) +
                       ", who could swap what it holds; " +
                       (mine ? mendingCommands(writers, above) : std::string(kChooseAnotherHome));
            }
        }
        if (above == above.parent_path()) {
            return {};
        }
    }
}

}  // namespace

std::error_code PrivateFolder::ensure(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), kFolderMode) == 0) {
        return ::chmod(folder.c_str(), kFolderMode) == 0 ? std::error_code() : lastError();
    }
    const std::error_code mkdirError(errno, std::system_category());
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0) {
        return mkdirError;
    }
    if (S_ISLNK(status.st_mode)) {
        // A link the user put in its place is used as it is.
        return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) ? std::error_code() : mkdirError;
    }
    // A folder that was there before keeps its modes: it may be the user's own (a "Documents" in a home they named).
    return S_ISDIR(status.st_mode) ? std::error_code() : mkdirError;
}

std::error_code PrivateFolder::ensurePath(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> missing;
    struct stat status {};
    for (std::filesystem::path path = folder.lexically_normal(); !path.empty(); path = path.parent_path()) {
        if (path.filename().empty() && path.has_parent_path() && path != path.root_path()) {
            continue;  // "a/b/" names "a/b"
        }
        if (::stat(path.c_str(), &status) == 0) {
            if (!S_ISDIR(status.st_mode)) {
                return std::make_error_code(std::errc::not_a_directory);
            }
            break;
        }
        if (errno != ENOENT || path == path.parent_path()) {
            return lastError();
        }
        missing.push_back(path);
    }
    for (auto path = missing.rbegin(); path != missing.rend(); ++path) {
        if (::mkdir(path->c_str(), kFolderMode) != 0) {
            if (errno == EEXIST && ::stat(path->c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
                continue;  // made meanwhile by another thread
            }
            return lastError();
        }
        if (::chmod(path->c_str(), kFolderMode) != 0) {
            return lastError();
        }
    }
    return {};
}

std::filesystem::path PrivateFolder::resolve(const std::filesystem::path& home, std::error_code& error) {
    std::filesystem::path named = std::filesystem::absolute(home, error).lexically_normal();
    if (error) {
        return {};
    }
    if (named.filename().empty() && named != named.root_path()) {
        named = named.parent_path();  // "a/b/" names "a/b"
    }
    return std::filesystem::weakly_canonical(named, error);
}

std::string PrivateFolder::aboveHomeProblem(const std::filesystem::path& home) {
    return aboveProblem(home, "the home " + home.string());
}

std::string PrivateFolder::defaultHomeProblem(const std::filesystem::path& home) {
    struct stat status {};
    if (::lstat(home.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path target = std::filesystem::read_symlink(home, error);
    return "the home " + home.string() + " is a symbolic link to " + target.string() +
           ", which another user could have put there; " + kChooseAnotherHome;
}

std::string PrivateFolder::homeProblem(int descriptor, const std::filesystem::path& named,
                                       const std::filesystem::path& resolved) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        return "cannot look at the home " + named.string() + ": " + std::strerror(errno);
    }
    return trustProblem(label("the home", named, resolved), resolved, status, FolderWriters::of(descriptor, status));
}

std::string PrivateFolder::folderProblem(const std::filesystem::path& folder) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(folder, error);
    if (error) {
        return "cannot look at the folder " + folder.string() + ": " + error.message();
    }
    const std::string named = label("the folder", folder, resolved);
    if (std::string problem = trustProblem(named, resolved, status, FolderWriters::of(resolved, status));
        !problem.empty()) {
        return problem;
    }
    return aboveProblem(resolved, named);
}

}  // namespace platform
