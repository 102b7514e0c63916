#include "cli/RunnerOptions.h"

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using qovcli::RunnerOptions;

struct Outcome {
    qovcli::ParsedRunnerOptions parsed;
    std::string out;
    std::string err;
};

Outcome parse(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "qovara");
    std::vector<const char*> argv;
    for (const auto& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    auto parsed = RunnerOptions::parse(static_cast<int>(argv.size()), argv.data(), out, err);
    return {std::move(parsed), out.str(), err.str()};
}

TEST(RunnerOptionsTest, UsableArgumentsAreRead) {
    const auto outcome = parse({"--home", "/tmp/h", "--service", "http://127.0.0.1:8642/", "--gps", "48.85,2.35",
                                "--script", "-", "--virtual-clock"});
    ASSERT_TRUE(outcome.parsed.options) << outcome.err;
    const RunnerOptions& options = *outcome.parsed.options;
    EXPECT_EQ(options.home, "/tmp/h");
    EXPECT_EQ(options.serviceHost, "127.0.0.1:8642");
    ASSERT_TRUE(options.gps);
    EXPECT_DOUBLE_EQ(options.gps->longitude, 2.35);
    EXPECT_EQ(options.script, "-");
    EXPECT_TRUE(options.virtualClock);
    EXPECT_EQ(outcome.err, "");
    EXPECT_FALSE(options.displayPort);
    EXPECT_EQ(parse({"--display"}).parsed.options->displayPort, 0);
    EXPECT_EQ(parse({"--display", "8640"}).parsed.options->displayPort, 8640);
    EXPECT_EQ(parse({"--display", "65535"}).parsed.options->displayPort, 65535);
    EXPECT_EQ(parse({"--display", "1"}).parsed.options->displayPort, 1);
    const auto joined = parse({"--home=--h", "--shot=a=.png"});
    ASSERT_TRUE(joined.parsed.options) << joined.err;
    EXPECT_EQ(joined.parsed.options->home, "--h");
    EXPECT_EQ(joined.parsed.options->shot, "a=.png");
    for (const auto& [url, host] : {std::pair{"http://localhost", "localhost"},
                                    {"http://[::1]:08642", "[::1]:8642"},
                                    {"http://127.0.0.1:65535", "127.0.0.1:65535"}}) {
        std::string problem;
        EXPECT_EQ(qovcli::serviceHostOf(url, problem), host) << url << ": " << problem;
    }

    const auto help = parse({"--help"});
    EXPECT_FALSE(help.parsed.options);
    EXPECT_EQ(help.parsed.exitStatus, 0);
    EXPECT_NE(help.out.find("--virtual-clock"), std::string::npos);
}

TEST(RunnerOptionsTest, UnusableArgumentsExitWithStatusTwoAndSayWhy) {
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{"--colour"}, "--colour"},
        {{"stray"}, "stray"},
        {{"--home", "a", "--home", "b"}, "--home: At Most 1"},
        {{"--virtual-clock", "--virtual-clock"}, "--virtual-clock is given more than once"},
        {{"--home", ""}, "--home needs a value"},
        {{"--service="}, "--service"},
        {{"--script", ""}, "--script needs a value"},
        {{"--service", "http://127.0.0.1:0"}, "port must be from 1 to 65535"},
        {{"--service", "http://127.0.0.1:65536"}, "not http://127.0.0.1:65536"},
        {{"--service", "https://127.0.0.1:8080"}, "plain http://"},
        {{"--service", "http://127.0.0.1:8080/wxdata?x=1"}, "only the scheme, host and port"},
        {{"--service", "http://" + std::string(30000, 'a') + ":8080"}, "not http://aaaa"},
        {{"--gps", "91,0"}, "--gps takes LAT,LON"},
        {{"--display", "0"}, "--display takes a port from 1 to 65535, not 0"},
        {{"--display", "65536"}, "--display takes a port from 1 to 65535, not 65536"},
        {{"--display", "80x"}, "not 80x"},
        {{"--display", "--virtual-clock"}, "leave out --summary and --virtual-clock"},
        // An empty value after "=" (--home=$UNSET) or a value left out is not the next option.
        {{"--home=", "--summary"}, "--home needs a value after \"=\""},
        {{"--shot=", "/tmp/x.png"}, "--shot needs a value after \"=\""},
        {{"--gps=", "1,2"}, "--gps needs a value after \"=\""},
        {{"--script=", "-"}, "--script needs a value after \"=\""},
        {{"--display=", "8640"}, "--display needs a value after \"=\""},
        {{"--home", "--summary"}, "--home needs a value, not the option --summary"},
        {{"--shot", "--display=8640"}, "--shot needs a value, not the option --display=8640"},
        {{"--script", "--help"}, "--script needs a value, not the option --help"},
    };
    for (const auto& each : cases) {
        const auto outcome = parse(each.arguments);
        EXPECT_FALSE(outcome.parsed.options) << each.message;
        EXPECT_EQ(outcome.parsed.exitStatus, 2) << each.message;
        EXPECT_NE(outcome.err.find(each.message), std::string::npos) << outcome.err;
        EXPECT_LT(outcome.err.size(), 500U) << "messages repeat long values shortened";
    }
}

}  // namespace
