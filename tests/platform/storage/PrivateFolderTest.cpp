#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/PrintableText.h"
#include "platform/storage/PrivateFolder.h"
#include "tests/support/AccessList.h"
#include "tests/support/TempHome.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

fs::perms modeOf(const fs::path& path) { return fs::symlink_status(path).permissions(); }

TEST(PrivateFolderTest, MissingFoldersAreMadePrivateWhateverTheUmask) {
    for (const mode_t mask : {mode_t{0}, mode_t{022}, mode_t{0777}}) {
        SCOPED_TRACE(mask);
        qovtest::TempHome temp;
        const mode_t previous = ::umask(mask);
        const std::error_code error = PrivateFolder::ensurePath(temp.path() / "a" / "b" / "c");
        ::umask(previous);
        ASSERT_FALSE(error) << error.message();
        for (const auto& folder : {temp.path() / "a", temp.path() / "a" / "b", temp.path() / "a" / "b" / "c"}) {
            EXPECT_EQ(modeOf(folder), fs::perms(0700)) << folder;
        }
    }
}

TEST(PrivateFolderTest, AFileInTheWayIsReported) {
    qovtest::TempHome temp;
    std::ofstream(temp.path() / "file") << "x";
    EXPECT_EQ(PrivateFolder::ensurePath(temp.path() / "file" / "sub"), std::errc::not_a_directory);
}

TEST(PrivateFolderTest, AFolderOrALinkAlreadyThereKeepsItsModes) {
    qovtest::TempHome temp;
    fs::create_directory(temp.path() / "own");
    fs::create_directory(temp.path() / "users");
    fs::permissions(temp.path() / "own", fs::perms(0777));
    fs::permissions(temp.path() / "users", fs::perms(0755));
    fs::create_symlink(temp.path() / "users", temp.path() / "linked");

    EXPECT_FALSE(PrivateFolder::ensure(temp.path() / "own"));
    EXPECT_FALSE(PrivateFolder::ensure(temp.path() / "linked"));
    EXPECT_EQ(modeOf(temp.path() / "own"), fs::perms(0777));
    EXPECT_EQ(modeOf(temp.path() / "users"), fs::perms(0755));
}

TEST(PrivateFolderTest, AHomeIsFoundAsAShellFindsTheFolderItEnters) {
    qovtest::TempHome temp;
    const fs::path base = fs::canonical(temp.path());
    fs::create_directories(base / "real");
    fs::create_directory_symlink(base / "real", base / "link");
    for (const auto& [named, expected] :
         {std::pair{base / "missing" / ".." / "h", base / "h"},
          std::pair{base / "a" / "." / "b" / "", base / "a" / "b"}, std::pair{base / "link" / "x", base / "real" / "x"},
          std::pair{base / "link", base / "real"}}) {
        std::error_code error;
        EXPECT_EQ(PrivateFolder::resolve(named, error), expected) << named;
        EXPECT_FALSE(error) << error.message();
    }
    EXPECT_FALSE(fs::exists(base / "missing")) << "resolving makes nothing";
}

TEST(PrivateFolderTest, ADefaultHomeThatIsALinkIsRefusedNamingWhereItLeads) {
    qovtest::TempHome temp;
    fs::create_directory(temp.path() / "elsewhere");
    fs::create_directory_symlink(temp.path() / "elsewhere", temp.path() / "link");
    EXPECT_EQ(PrivateFolder::defaultHomeProblem(temp.path() / "link"),
              "the home " + (temp.path() / "link").string() + " is a symbolic link to " +
                  (temp.path() / "elsewhere").string() +
                  ", which another user could have put there; choose a home of your own with --home");
    EXPECT_EQ(PrivateFolder::defaultHomeProblem(temp.path() / "elsewhere"), "");
    EXPECT_EQ(PrivateFolder::defaultHomeProblem(temp.path() / "missing"), "");
}

// The folder as the application's home, looked at through a descriptor as the runner does.
std::string homeProblemOf(const fs::path& named) {
    const fs::path resolved = fs::canonical(named);
    const int descriptor = ::open(resolved.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    EXPECT_GE(descriptor, 0);
    std::string problem = PrivateFolder::homeProblem(descriptor, named, resolved);
    ::close(descriptor);
    return problem;
}

// The advice of a problem, "...; run COMMAND [and COMMAND]", as a line of shell commands.
std::string adviceOf(const std::string& problem) {
    const auto at = problem.rfind("; run ");
    if (at == std::string::npos) {
        ADD_FAILURE() << "no advice: " << problem;
        return {};
    }
    std::string commands = problem.substr(at + 6);
    for (auto joint = commands.find(" and "); joint != std::string::npos; joint = commands.find(" and ")) {
        commands.replace(joint, 5, " && ");
    }
    return commands;
}

// Runs the lines as a bash script (written to the file script): true when every command succeeded.
bool runWithBash(const std::string& lines, const fs::path& script) {
    std::ofstream(script) << "set -e\n" << lines << "\n";
    return std::system(("bash '" + script.string() + "'").c_str()) == 0;
}

TEST(PrivateFolderTest, AFolderOthersMayWriteInIsRefusedWithTheAdviceItsOwnerCanFollow) {
    qovtest::TempHome temp;
    const fs::path base = temp.path();
    const std::string shared = "can be written by other users";
    const std::string chooseAnother = "choose a home of your own with --home";
    struct Case {
        fs::perms mode;
        std::string problem;  // of the folder F
    };
    const std::string folder = (base / "F").string();
    for (const Case& test : {
             Case{fs::perms(0700), ""},
             Case{fs::perms(0770), ""},  // its group is the user's to share with
             Case{fs::perms(0707), "the folder " + folder + " " + shared + "; run chmod o-w " + folder},
             Case{fs::perms(01777), "the folder " + folder + " " + shared +
                                        " and is shared with them by design (sticky); " + chooseAnother},
         }) {
        SCOPED_TRACE(test.problem);
        fs::create_directory(base / "F");
        fs::permissions(base / "F", test.mode);
        EXPECT_EQ(PrivateFolder::folderProblem(base / "F"), test.problem);
        EXPECT_EQ(modeOf(base / "F"), test.mode) << "looking changes nothing";
        fs::remove(base / "F");
    }
    EXPECT_EQ(PrivateFolder::folderProblem(base / "missing"), "");

    // A link is named with where it leads, and the advice changes the folder itself, not through the link.
    fs::create_directory(base / "target");
    fs::permissions(base / "target", fs::perms(0757));
    fs::create_directory_symlink(base / "target", base / "link");
    const std::string target = (base / "target").string();
    EXPECT_EQ(PrivateFolder::folderProblem(base / "link"), "the folder " + (base / "link").string() + " (a link to " +
                                                               target + ") " + shared + "; run chmod o-w " + target);
    fs::permissions(base / "target", fs::perms(01777));
    EXPECT_EQ(homeProblemOf(base / "link"), "the home " + (base / "link").string() + " (a link to " + target + ") " +
                                                shared + " and is shared with them by design (sticky); " +
                                                chooseAnother);

    if (!qovtest::addAccessListEntries(base / "target", "u:65534:rwx,g:100:rw-")) {
        GTEST_SKIP() << "setfacl cannot set access lists here";
    }
    fs::permissions(base / "target", fs::perms(0775));
    EXPECT_EQ(homeProblemOf(base / "target"), "the home " + target + " " + shared +
                                                  " (user 65534, group 100 through its access list); run setfacl -x "
                                                  "u:65534,g:100 " +
                                                  target);
    fs::permissions(base / "target", fs::perms(0777));
    const std::string both = PrivateFolder::folderProblem(base / "target");
    EXPECT_EQ(both, "the folder " + target + " " + shared +
                        " (user 65534, group 100 through its access list); run chmod o-w " + target +
                        " and setfacl -x u:65534,g:100 " + target);
    ASSERT_TRUE(runWithBash(adviceOf(both), base / "advice.sh"));
    EXPECT_EQ(PrivateFolder::folderProblem(base / "target"), "") << "the advice mends it";
}

TEST(PrivateFolderTest, TheAdviceNamesTheFolderAsOneShellWordThatStaysRightWhenPrinted) {
    qovtest::TempHome temp;
    const fs::path folders = temp.path() / "folders";
    fs::create_directory(folders);
    // Names a shell splits or expands, and names printableText escapes on the way to the terminal.
    const std::vector<std::string> names{"plain-name_1.2", "two words",   "it's",      "$HOME*",
                                         "back\\slash",    "caf\xc3\xa9", "new\nline", "tab\there",
                                         "esc\x1b[31m",    "c1\xc2\x9b",  "byte\xff",  "mixed '\\\n"};
    std::string advice;
    for (const std::string& name : names) {
        fs::create_directory(folders / name);
        fs::permissions(folders / name, fs::perms(0757));
        // As the runner prints it.
        advice += adviceOf(printableText(PrivateFolder::folderProblem(folders / name))) + "\n";
    }
    // Pasted into bash, the advice mends each folder.
    ASSERT_TRUE(runWithBash(advice, temp.path() / "advice.sh")) << advice;
    for (const std::string& name : names) {
        EXPECT_EQ(modeOf(folders / name), fs::perms(0755)) << printableText(name);
    }
    fs::permissions(folders / "it's", fs::perms(0757));
    EXPECT_EQ(adviceOf(PrivateFolder::folderProblem(folders / "it's")),
              "chmod o-w '" + folders.string() + "/it'\\''s'");
    fs::permissions(folders / "new\nline", fs::perms(0757));
    EXPECT_EQ(adviceOf(PrivateFolder::folderProblem(folders / "new\nline")),
              "chmod o-w $'" + folders.string() + "/new\\x0Aline'");
}

TEST(PrivateFolderTest, FoldersAboveAHomeMustNotLetAnotherUserSwapIt) {
    qovtest::TempHome temp;
    const fs::path parent = temp.path() / "parent";
    const fs::path home = parent / "home";
    fs::create_directory(parent);
    const std::string swap = " can be written by other users, who could swap what it holds; ";
    const std::string above = "the folder " + parent.string() + " above the home " + home.string();
    for (const auto& [mode, problem] :
         {std::pair{fs::perms(0755), std::string()}, std::pair{fs::perms(0775), std::string()},
          std::pair{fs::perms(01777), std::string()},  // no one may swap what is not theirs
          std::pair{fs::perms(0777), above + swap + "run chmod o-w " + parent.string()}}) {
        fs::permissions(parent, mode);
        EXPECT_EQ(PrivateFolder::aboveHomeProblem(home), problem) << "mode " << static_cast<int>(mode);
        EXPECT_FALSE(fs::exists(home));
    }
    // Any folder above counts, not only the parent.
    fs::permissions(parent, fs::perms(0700));
    fs::permissions(temp.path(), fs::perms(0757));
    EXPECT_EQ(PrivateFolder::aboveHomeProblem(home), "the folder " + temp.path().string() + " above the home " +
                                                         home.string() + swap + "run chmod o-w " +
                                                         temp.path().string());
    fs::permissions(temp.path(), fs::perms(0700));

    if (qovtest::addAccessListEntries(parent, "u:65534:rwx")) {
        EXPECT_EQ(PrivateFolder::aboveHomeProblem(home),
                  above +
                      " can be written by other users (user 65534 through its access list), who could swap what "
                      "it holds; run setfacl -x u:65534 " +
                      parent.string());
    }
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a folder to another user";
    }
    fs::permissions(parent, fs::perms(0755));
    ASSERT_EQ(::chown(parent.c_str(), 65534, 65534), 0);
    EXPECT_EQ(PrivateFolder::aboveHomeProblem(home),
              above +
                  " belongs to another user (uid 65534), who could swap what it holds; choose a home of your own "
                  "with --home");
}

TEST(PrivateFolderTest, AFolderOfAnotherUserIsRefused) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only the superuser can give a folder to another user";
    }
    qovtest::TempHome temp;
    const fs::path theirs = temp.path() / "theirs";
    fs::create_directory(theirs);
    fs::permissions(theirs, fs::perms(0700));
    ASSERT_EQ(::chown(theirs.c_str(), 65534, 65534), 0);
    const std::string problem =
        "the folder " + theirs.string() + " belongs to another user (uid 65534); choose a home of your own with --home";
    EXPECT_EQ(PrivateFolder::folderProblem(theirs), problem);
    EXPECT_EQ(homeProblemOf(theirs), "the home" + problem.substr(10));
}

}  // namespace
}  // namespace platform
