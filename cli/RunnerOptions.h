#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "platform/geo/Coordinate.h"

namespace qovcli {

struct ParsedRunnerOptions;

// The runner's command line, checked before anything runs.
struct RunnerOptions {
    std::filesystem::path home;  // empty: the default home
    std::string serviceHost;     // "HOST[:PORT]" of a running service; empty: start one inside
    std::optional<platform::geo::Coordinate> gps;
    std::string gpsText;                // as given, for messages
    std::optional<std::string> script;  // a file, or "-" for standard input
    bool virtualClock = false;          // `wait` (and the runner's own waits) on a manual clock
    std::string shot;                   // the root screen's picture; empty: root-screen.png in the home
    bool summary = false;               // the weather summary instead of the application
    std::optional<int> displayPort;     // serve the device display on this port (0: any free one)

    // Either the options, or the status to exit with at once: 0 after --help (written to out), 2 after a
    // message on err for an unknown, repeated or empty option, a positional argument, a --service that is not
    // "http://HOST[:PORT][/]" with a port from 1 to 65535, a --gps that is not "LAT,LON" on the earth, or a
    // --display port outside 1-65535 or with --summary or --virtual-clock (the display has its own clock).
    static ParsedRunnerOptions parse(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
};

struct ParsedRunnerOptions {
    std::optional<RunnerOptions> options;
    int exitStatus = 0;
};

// "http://HOST[:PORT][/]" read with libcurl's URL parser → "HOST[:PORT]" (an IPv6 host in brackets); nullopt
// (with the reason in problem) for anything else: another scheme, user, path, query or fragment, a host over
// 253 characters, a port outside 1-65535.
std::optional<std::string> serviceHostOf(const std::string& url, std::string& problem);

}  // namespace qovcli
