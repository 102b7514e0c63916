// The runner's home as other users could reach it: a home or one of the application's folders that another user
// may write in or owns, or could swap through a folder above it, is refused with one sentence naming the folder
// and what to do (exit 2), and left as it was; a home is found as a shell finds the folder it enters.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/cli/RunnerRun.h"
#include "tests/support/AccessList.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"

namespace {

namespace fs = std::filesystem;

using qovtest::RunnerRun;

class RunnerHomeTest : public qovtest::SimFixture {
protected:
    RunnerRun run(const fs::path& home, const std::vector<std::string>& arguments = {},
                  const std::string& shellPrefix = "") {
        std::vector<std::string> all{"--service", simUrl(), "--virtual-clock"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return qovtest::runRunner(home, m_temp.path(), all, shellPrefix);
    }

    // Where the tests' homes are made (the runner's output goes beside it).
    fs::path place() const { return m_temp.path() / "place"; }

    void SetUp() override {
        SimFixture::SetUp();
        fs::create_directory(place());
    }

private:
    qovtest::TempHome m_temp;
};

// Everything under the folder: each entry's owner, mode, and a file's last change and bytes.
std::map<fs::path, std::tuple<uid_t, fs::perms, fs::file_time_type, std::string>> snapshot(const fs::path& folder) {
    std::map<fs::path, std::tuple<uid_t, fs::perms, fs::file_time_type, std::string>> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat status {};
        ::lstat(entry.path().c_str(), &status);
        const bool file = entry.is_regular_file() && !entry.is_symlink();
        entries[entry.path()] = {status.st_uid, entry.symlink_status().permissions(),
                                 file ? entry.last_write_time() : fs::file_time_type(),
                                 file ? qovtest::readWholeFile(entry.path()) : std::string()};
    }
    return entries;
}

TEST_F(RunnerHomeTest, EachFolderTheApplicationKeepsIsRefusedWhenOthersMayWriteInIt) {
    const fs::path home = place() / "home";
    fs::create_directory(home);
    fs::permissions(home, fs::perms(0775));  // the owning group's to share
    const RunnerRun first = run(home);
    ASSERT_EQ(first.status, 0) << first.err;
    const std::vector<std::string> layout{"Library",
                                          "Library/Caches",
                                          "Library/Caches/AppCache",
                                          "Library/Caches/MapCache",
                                          "Library/Preferences",
                                          "Library/Keychains",
                                          "Documents"};
    for (const auto& entry : fs::recursive_directory_iterator(home)) {
        if (entry.is_directory()) {
            const std::string folder = fs::relative(entry.path(), home).string();
            EXPECT_NE(std::find(layout.begin(), layout.end(), folder), layout.end())
                << folder << " is made by the application but not checked";
        }
    }
    for (const std::string& folder : layout) {
        SCOPED_TRACE(folder);
        const fs::path path = home / folder;
        fs::create_directories(path);
        fs::permissions(path, fs::perms(0757));
        const auto before = snapshot(home);
        sim().clearRequestLog();
        const RunnerRun refused = run(home);
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.err, "qovara: the folder " + path.string() +
                                   " can be written by other users; run chmod o-w " + path.string() + "\n");
        EXPECT_EQ(refused.out, "");
        EXPECT_TRUE(sim().requestLog().empty());
        EXPECT_EQ(snapshot(home), before);
        fs::permissions(path, fs::perms(0700));
    }
}

TEST_F(RunnerHomeTest, AHomeOtherUsersCouldReachIsRefusedNamingTheFolderAndLeftAsItWas) {
    const bool root = ::geteuid() == 0;
    struct Case {
        std::string name;
        std::function<bool(const fs::path& home)> setUp;  // false: cannot be set up here
        std::function<std::string(const fs::path& home)> problem;
    };
    const std::string choose = "; choose a home of your own with --home";
    const std::vector<Case> cases{
        {"an access list lets another user write in the home",
         [](const fs::path& home) { return qovtest::addAccessListEntries(home, "u:65534:rwx"); },
         [](const fs::path& home) {
             return "the home " + home.string() +
                    " can be written by other users (user 65534 through its access list); run setfacl -x u:65534 " +
                    home.string();
         }},
        {"an application folder belongs to another user",
         [&](const fs::path& home) {
             fs::create_directories(home / "Library" / "Caches" / "AppCache");
             return root && ::chown((home / "Library" / "Caches" / "AppCache").c_str(), 65534, 65534) == 0;
         },
         [&](const fs::path& home) {
             return "the folder " + (home / "Library" / "Caches" / "AppCache").string() +
                    " belongs to another user (uid 65534)" + choose;
         }},
        {"others may write in the folder above without the sticky bit",
         [](const fs::path& home) {
             fs::permissions(home.parent_path(), fs::perms(0777));
             return true;
         },
         [](const fs::path& home) {
             return "the folder " + home.parent_path().string() + " above the home " + home.string() +
                    " can be written by other users, who could swap what it holds; run chmod o-w " +
                    home.parent_path().string();
         }},
        {"a home shared by design, as the temporary folder is",
         [](const fs::path& home) {
             fs::permissions(home, fs::perms(01777));
             return true;
         },
         [&](const fs::path& home) {
             return "the home " + home.string() + " can be written by other users and is shared with them by design " +
                    "(sticky)" + choose;
         }},
        {"the home is a link to a folder others may write in",
         [](const fs::path& home) {
             fs::rename(home, home.parent_path() / "target");
             fs::permissions(home.parent_path() / "target", fs::perms(0757));
             fs::create_directory_symlink(home.parent_path() / "target", home);
             return true;
         },
         [](const fs::path& home) {
             const std::string target = (home.parent_path() / "target").string();
             return "the home " + home.string() + " (a link to " + target +
                    ") can be written by other users; run chmod o-w " + target;
         }},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const fs::path parent = place() / "parent";
        const fs::path home = parent / "home";
        fs::create_directories(home);
        std::ofstream(home / "record") << "the user's own";
        if (!test.setUp(home)) {
            fs::remove_all(parent);
            continue;  // needs the superuser or access lists
        }
        const auto before = snapshot(parent);
        sim().clearRequestLog();
        const RunnerRun result = run(home);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, "qovara: " + test.problem(home) + "\n");
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(sim().requestLog().empty());
        EXPECT_EQ(snapshot(parent), before) << "nothing made or changed, no lock taken";
        fs::permissions(parent, fs::perms(0700));
        fs::remove_all(parent);
    }
}

TEST_F(RunnerHomeTest, NothingIsMadeInAFolderOthersCouldSwap) {
    fs::permissions(place(), fs::perms(0777));
    const RunnerRun result = run(place() / "new" / "home");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "qovara: the folder " + place().string() + " above the home " +
                              (place() / "new" / "home").string() +
                              " can be written by other users, who could swap what it holds; run chmod o-w " +
                              place().string() + "\n");
    EXPECT_TRUE(fs::is_empty(place()));
}

TEST_F(RunnerHomeTest, AHomeNamedThroughAMissingFolderIsFoundAsAShellFindsIt) {
    const RunnerRun result = run("missing/../h", {"--summary"}, "cd '" + place().string() + "' && ");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find(", app home " + (place() / "h").string() + "\n"), std::string::npos) << result.out;
    EXPECT_TRUE(fs::is_directory(place() / "h" / "Library"));
    EXPECT_FALSE(fs::exists(place() / "missing"));
}

}  // namespace
