#include "sim/SimCommandLine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace qovsim {
namespace {

std::optional<SimCommandLine> parse(std::vector<std::string> arguments, int& exitCode) {
    std::ostringstream out;
    std::ostringstream err;
    return SimCommandLine::parse(arguments, out, err, exitCode);
}

TEST(SimCommandLineTest, MergesFaultFlagsByPattern) {
    int exitCode = -1;
    auto line = parse({"--port", "8642", "--fault-status", "/wxdata/*=503", "--fault-delay", "/wxdata/*=1.5",
                       "--fault-drop", "/TileServer/*", "--fault-truncate", "/a=b", "--fault-malform", "*"},
                      exitCode);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->port, 8642);
    ASSERT_EQ(line->faults.size(), 4u);
    EXPECT_EQ(line->faults[0].pathPattern, "/wxdata/*");
    EXPECT_EQ(line->faults[0].status, 503);
    EXPECT_DOUBLE_EQ(line->faults[0].delaySeconds, 1.5);
    EXPECT_EQ(line->faults[1].pathPattern, "/a=b");
    EXPECT_TRUE(line->faults[1].truncateBody);
    EXPECT_TRUE(line->faults[2].malformBody);
    EXPECT_TRUE(line->faults[3].dropConnection);
}

TEST(SimCommandLineTest, PrintNamesTheServicePath) {
    int exitCode = -1;
    auto line = parse({"--print", "mobagg", "USGA0028:1"}, exitCode);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->printPath(), "/wxdata/mobile/mobagg/USGA0028:1.js");
    EXPECT_EQ(parse({"--print", "marine", "USNY0996:1"}, exitCode)->printPath(), "/wxdata/marine/USNY0996:1.js");
}

TEST(SimCommandLineTest, RefusesBadArgumentsWithAnErrorExit) {
    for (std::vector<std::string> arguments : {std::vector<std::string>{"--port", "70000"},
                                               {"--port", "x"},
                                               {"--fault-status", "/a=abc"},
                                               {"--fault-status", "/a"},
                                               {"--fault-delay", "/a=-1"},
                                               {"--print", "weather", "USGA0028:1"},
                                               {"--print", "mobagg"},
                                               {"--unknown"},
                                               {"--data-dir=", "/tmp"},
                                               {"--fault-drop=", "/a"}}) {
        int exitCode = 0;
        EXPECT_FALSE(parse(arguments, exitCode)) << arguments[0];
        EXPECT_NE(exitCode, 0) << arguments[0];
    }
    int exitCode = -1;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_FALSE(SimCommandLine::parse({"--help"}, out, err, exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_NE(out.str().find("'mobagg' matches no path; '*mobagg*' matches every aggregate request"), std::string::npos)
        << "the help says that fault patterns are globs over the whole path\n"
        << out.str();
}

}  // namespace
}  // namespace qovsim
