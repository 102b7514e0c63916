// The runner against a hostile service and a careless user: its exit status tells the truth, what it makes in its
// home is private whatever the umask, and what the user keeps there is left as it was.
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "cli/HomeLock.h"
#include "sim/Fault.h"
#include "tests/cli/RunnerRun.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"

namespace {

namespace fs = std::filesystem;

using qovtest::RunnerRun;

class RunnerFaultsTest : public qovtest::SimFixture {
protected:
    RunnerRun run(const std::vector<std::string>& arguments, const std::string& shellPrefix = "",
                  const fs::path& runHome = {}) {
        return qovtest::runRunner(runHome.empty() ? home() : runHome, m_temp.path(), arguments, shellPrefix);
    }

    fs::path home() const { return m_temp.path() / "home"; }
    fs::path temp() const { return m_temp.path(); }

private:
    qovtest::TempHome m_temp;
};

TEST_F(RunnerFaultsTest, AHomeTheRunnerMakesIsPrivateWhateverTheUmask) {
    const RunnerRun result = run({"--service", simUrl(), "--virtual-clock"}, "umask 000; ");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::exists(home() / "root-screen.png"));
    EXPECT_EQ(fs::status(home()).permissions(), fs::perms(0700));
    for (const auto& entry : fs::recursive_directory_iterator(home())) {
        const fs::perms expected = entry.is_directory() ? fs::perms(0700) : fs::perms(0600);
        EXPECT_EQ(entry.symlink_status().permissions(), expected) << entry.path();
    }
}

TEST_F(RunnerFaultsTest, WhatTheUserKeepsInTheHomeKeepsItsModesWhetherTheRunnerIsRefusedOrRuns) {
    // A checkout used as the home: an executable script, a shared folder with its sticky bit, a readable note.
    fs::create_directories(home() / "scripts");
    fs::create_directories(home() / "shared");
    std::ofstream(home() / "scripts" / "run") << "#!/bin/sh\n";
    std::ofstream(home() / "shared" / "note.txt") << "x";
    const std::vector<std::pair<fs::path, fs::perms>> planted{{home(), fs::perms(0755)},
                                                              {home() / "scripts", fs::perms(0755)},
                                                              {home() / "scripts" / "run", fs::perms(0755)},
                                                              {home() / "shared", fs::perms(01777)},
                                                              {home() / "shared" / "note.txt", fs::perms(0644)}};
    for (const auto& [path, mode] : planted) {
        fs::permissions(path, mode);
    }
    const auto expectUntouched = [&] {
        for (const auto& [path, mode] : planted) {
            EXPECT_EQ(fs::status(path).permissions(), mode) << path;
        }
    };
    {
        std::string problem;
        const auto lock = qovcli::HomeLock::acquire(home(), qovcli::HomeLock::Choice::Named, problem);
        ASSERT_NE(lock, nullptr) << problem;
        const RunnerRun refused = run({"--service", simUrl()});
        EXPECT_EQ(refused.status, 2) << refused.err;
        expectUntouched();
    }
    const RunnerRun result = run({"--service", simUrl(), "--virtual-clock"}, "umask 000; ");
    EXPECT_EQ(result.status, 0) << result.err;
    expectUntouched();
    EXPECT_EQ(fs::status(home() / "root-screen.png").permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(home() / "Library" / "Caches").permissions(), fs::perms(0700));
}

TEST_F(RunnerFaultsTest, ADefaultHomeThatIsASymbolicLinkIsRefused) {
    // No HOME: the default home is "qovara" in the temporary folder, where another user planted a link.
    const fs::path shared = temp() / "tmp";
    const fs::path target = temp() / "someone-elses";
    fs::create_directories(shared);
    fs::create_directories(target);
    fs::permissions(target, fs::perms(0755));
    fs::create_directory_symlink(target, shared / "qovara");
    const RunnerRun result = qovtest::runRunner({}, temp(), {"--service", simUrl()},
                                                "env -u HOME -u XDG_DATA_HOME TMPDIR='" + shared.string() + "' ");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("the home " + (shared / "qovara").string() + " is a symbolic link"), std::string::npos)
        << result.err;
    EXPECT_TRUE(fs::is_empty(target));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0755));
}

TEST_F(RunnerFaultsTest, OutputThatCannotBeWrittenFailsTheRunWithOneLine) {
    const auto script = temp() / "dump.txt";
    std::ofstream(script) << "dump\n";
    for (const auto& job :
         {std::vector<std::string>{"--summary"}, std::vector<std::string>{"--script", script.string()}}) {
        SCOPED_TRACE(job.front());
        std::vector<std::string> arguments{"--service", simUrl(), "--virtual-clock"};
        arguments.insert(arguments.end(), job.begin(), job.end());
        const RunnerRun result = run(arguments, "sh -c 'exec \"$0\" \"$@\" >/dev/full' ");
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "qovara: cannot write to standard output: No space left on device\n");
    }
}

TEST_F(RunnerFaultsTest, UserDefaultsThatCannotBeLookedAtAreRefusedAndLeftAlone) {
    const fs::path preferences = home() / "Library" / "Preferences";
    fs::create_directories(preferences);
    const fs::path defaults = preferences / "com.qovara.Qovara.plist";
    fs::create_symlink(defaults, defaults);  // a loop
    const RunnerRun result = run({"--service", simUrl(), "--virtual-clock"});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("cannot look at the user defaults " + defaults.string()), std::string::npos)
        << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(fs::is_symlink(defaults));
    EXPECT_EQ(fs::read_symlink(defaults), defaults);
}

TEST_F(RunnerFaultsTest, AHomeThatCannotBeMadeSaysWhy) {
    std::ofstream(temp() / "file") << "x";
    const fs::path impossible = temp() / "file" / "home";
    const RunnerRun result = run({"--service", simUrl()}, "", impossible);
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("cannot create the home " + impossible.string() + ": Not a directory"), std::string::npos)
        << result.err;
}

TEST_F(RunnerFaultsTest, WeatherWithoutCurrentConditionsIsNoWeather) {
    // No cached weather; the aggregate does not parse, so only the bare place record arrives.
    sim().faults().add(qovsim::Fault{.pathPattern = "/wxdata/mobile/mobagg/*", .malformBody = true});
    for (const bool summary : {false, true}) {
        SCOPED_TRACE(summary ? "--summary" : "screen");
        std::vector<std::string> arguments{"--service", simUrl(), "--virtual-clock"};
        if (summary) {
            arguments.emplace_back("--summary");
        }
        const RunnerRun result = run(arguments);
        EXPECT_EQ(result.status, 1) << result.out;
        EXPECT_NE(result.err.find(summary ? "no fresh weather for" : "did not get the current location's weather"),
                  std::string::npos)
            << result.err;
    }
}

TEST_F(RunnerFaultsTest, AnAggregateThatDoesNotParseLeavesTheNextRunToFetch) {
    for (const qovsim::Fault& fault : {qovsim::Fault{.pathPattern = "/wxdata/mobile/mobagg/*", .truncateBody = true},
                                       qovsim::Fault{.pathPattern = "/wxdata/mobile/mobagg/*", .malformBody = true}}) {
        SCOPED_TRACE(fault.truncateBody ? "truncated" : "malformed");
        fs::remove_all(home());
        sim().faults().add(fault);
        EXPECT_EQ(run({"--service", simUrl(), "--virtual-clock"}).status, 1);

        // The healthy service is asked again at once; its weather replaces the bare place.
        sim().faults().clear();
        sim().clearRequestLog();
        const RunnerRun healthy = run({"--service", simUrl(), "--virtual-clock", "--summary"});
        EXPECT_EQ(healthy.status, 0) << healthy.err;
        EXPECT_NE(healthy.out.find("Now: "), std::string::npos) << healthy.out;
        EXPECT_FALSE(sim().requestLog().empty());
    }
}

TEST_F(RunnerFaultsTest, AnAnswerForAnotherPlaceIsRefusedAndTheRunFails) {
    // The stand-in's default place is Atlanta; every aggregate answers New York's.
    sim().faults().add(
        qovsim::Fault{.pathPattern = "/wxdata/mobile/mobagg/*", .answerPath = "/wxdata/mobile/mobagg/USNY0996:1.js"});
    const RunnerRun result = run({"--service", simUrl(), "--virtual-clock", "--summary"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out.find("New York"), std::string::npos) << result.out;
    for (const auto& entry : fs::recursive_directory_iterator(home())) {
        EXPECT_FALSE(entry.path().filename().string().starts_with("USNY0996")) << entry.path();
    }
}

TEST_F(RunnerFaultsTest, APictureThatCannotBeWrittenFailsTheRun) {
    const std::string unwritable = (temp() / "missing" / "x.png").string();
    const auto script = temp() / "script.txt";
    std::ofstream(script) << "shot " << unwritable << "\n";
    struct Case {
        std::vector<std::string> arguments;
    };
    for (const Case& test : {Case{{"--service", simUrl(), "--virtual-clock", "--shot", unwritable}},
                             Case{{"--service", simUrl(), "--virtual-clock", "--script", script.string()}}}) {
        SCOPED_TRACE(test.arguments.back());
        const RunnerRun result = run(test.arguments);
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find(unwritable), std::string::npos) << result.err;
    }
}

TEST_F(RunnerFaultsTest, ATermsOrPanelPictureThatCannotBeWrittenFailsTheRun) {
    for (const std::string picture : {"terms-screen.png", "weather-rightnow.png", "weather-10day.png"}) {
        SCOPED_TRACE(picture);
        fs::remove_all(home());
        fs::create_directories(home() / picture);  // a folder stands where the picture goes
        const RunnerRun result = run({"--service", simUrl(), "--virtual-clock"});
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find("could not write " + (home() / picture).string()), std::string::npos) << result.err;
        EXPECT_TRUE(fs::exists(home() / "root-screen.png"));
    }
}

}  // namespace
