// The runner against a hostile service and a careless user: its exit status tells the truth, and its home stays
// private whatever the umask.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST_F(RunnerFaultsTest, EverythingInTheHomeIsPrivateWhateverTheUmask) {
    fs::create_directories(home() / "Library");
    fs::permissions(home(), fs::perms(0777));
    fs::permissions(home() / "Library", fs::perms(0777));
    std::ofstream(home() / "old-shot.png") << "x";
    fs::permissions(home() / "old-shot.png", fs::perms(0666));

    const RunnerRun result = run({"--service", simUrl(), "--virtual-clock"}, "umask 000; ");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::exists(home() / "root-screen.png"));
    EXPECT_EQ(fs::status(home()).permissions(), fs::perms(0700));
    for (const auto& entry : fs::recursive_directory_iterator(home())) {
        const fs::perms expected = entry.is_directory() ? fs::perms(0700) : fs::perms(0600);
        EXPECT_EQ(entry.symlink_status().permissions(), expected) << entry.path();
    }
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
