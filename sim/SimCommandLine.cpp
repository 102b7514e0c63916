#include "sim/SimCommandLine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <string_view>
#include <utility>

#include <CLI/CLI.hpp>

namespace qovsim {

namespace {

// What --print KIND names: the path its answers lie under.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kPrintCommands{{
    {"mobagg", "/wxdata/mobile/mobagg/"},
    {"loc", "/wxdata/loc/"},
    {"marine", "/wxdata/marine/"},
}};

// Splits "PATTERN=VALUE" at its last '='.
std::pair<std::string, std::string> splitAssignment(const std::string& text) {
    auto equals = text.rfind('=');
    if (equals == std::string::npos || equals == 0) {
        throw CLI::ValidationError("expected PATTERN=VALUE, got '" + text + "'");
    }
    return {text.substr(0, equals), text.substr(equals + 1)};
}

double parseNumber(const std::string& text, const std::string& what) {
    std::size_t used = 0;
    double value = 0.0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || !std::isfinite(value)) {
        throw CLI::ValidationError(what + " is not a number: '" + text + "'");
    }
    return value;
}

Fault& faultFor(std::vector<Fault>& faults, const std::string& pattern) {
    for (Fault& fault : faults) {
        if (fault.pathPattern == pattern) {
            return fault;
        }
    }
    Fault& fault = faults.emplace_back();
    fault.pathPattern = pattern;
    return fault;
}

}  // namespace

std::optional<std::string> SimCommandLine::printPath() const {
    const auto it = std::find_if(kPrintCommands.begin(), kPrintCommands.end(),
                                 [this](const auto& entry) { return entry.first == printKind; });
    if (it == kPrintCommands.end()) {
        return std::nullopt;
    }
    return std::string(it->second) + printIdentifier + ".js";
}

std::optional<SimCommandLine> SimCommandLine::parse(const std::vector<std::string>& arguments, std::ostream& out,
                                                    std::ostream& err, int& exitCode) {
    SimCommandLine line;
    std::vector<std::string> delays;
    std::vector<std::string> statuses;
    std::vector<std::string> truncated;
    std::vector<std::string> malformed;
    std::vector<std::string> dropped;
    std::vector<std::string> print;

    CLI::App app{"Qovara stand-in weather service"};
    app.footer(
        "A fault's PATTERN is a glob over the whole path without its query: '*' matches any run of characters\n"
        "('/' included), '?' any one. 'mobagg' matches no path; '*mobagg*' matches every aggregate request.\n"
        "Quote patterns so the shell leaves them alone.");
    app.add_option("--port", line.port, "Port to listen on (0: any free port)")->check(CLI::Range(0, 65535));
    app.add_option("--data-dir", line.dataDirectory, "Folder holding the gazetteer");
    app.add_option("--fault-delay", delays, "PATTERN=SECONDS: answer paths matching the glob late");
    app.add_option("--fault-status", statuses, "PATTERN=CODE: answer paths matching the glob with this status");
    app.add_option("--fault-truncate", truncated, "PATTERN: send half of the body of paths matching the glob");
    app.add_option("--fault-malform", malformed, "PATTERN: send a body no reader accepts for paths matching the glob");
    app.add_option("--fault-drop", dropped, "PATTERN: close the connection of paths matching the glob unanswered");
    app.add_option("--print", print,
                   "KIND KEY:TYPE (KIND mobagg, loc or marine): print one answer and exit, 1 when the service has none")
        ->expected(2)
        ->allow_extra_args(false);

    std::vector<std::string> argv{"qovara-sim"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<const char*> pointers;
    for (const std::string& argument : argv) {
        pointers.push_back(argument.c_str());
    }
    try {
        // CLI11 reads "--data-dir=" as the option without its value and takes the next argument for it.
        for (const std::string& argument : arguments) {
            if (argument.starts_with("--") && argument.find('=') == argument.size() - 1) {
                const std::string name = argument.substr(0, argument.size() - 1);
                const CLI::Option* option = app.get_option_no_throw(name);
                if (option && option->get_items_expected_max() > 0) {
                    throw CLI::ValidationError(name, "needs a value after '='");
                }
            }
        }
        app.parse(static_cast<int>(pointers.size()), pointers.data());
        for (const std::string& text : delays) {
            auto [pattern, value] = splitAssignment(text);
            double seconds = parseNumber(value, "delay");
            if (seconds < 0.0) {
                throw CLI::ValidationError("delay must not be negative: '" + value + "'");
            }
            faultFor(line.faults, pattern).delaySeconds = seconds;
        }
        for (const std::string& text : statuses) {
            auto [pattern, value] = splitAssignment(text);
            double code = parseNumber(value, "status");
            if (code < 100 || code > 599 || code != std::floor(code)) {
                throw CLI::ValidationError("status must be 100-599: '" + value + "'");
            }
            faultFor(line.faults, pattern).status = static_cast<int>(code);
        }
        for (const std::string& pattern : truncated) {
            faultFor(line.faults, pattern).truncateBody = true;
        }
        for (const std::string& pattern : malformed) {
            faultFor(line.faults, pattern).malformBody = true;
        }
        for (const std::string& pattern : dropped) {
            faultFor(line.faults, pattern).dropConnection = true;
        }
        if (!print.empty()) {
            line.printKind = print[0];
            line.printIdentifier = print[1];
            if (!line.printPath()) {
                throw CLI::ValidationError("--print", "unknown kind '" + print[0] + "'");
            }
        }
    } catch (const CLI::ParseError& error) {
        exitCode = app.exit(error, out, err);
        return std::nullopt;
    }
    exitCode = 0;
    return line;
}

}  // namespace qovsim
