#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "sim/Fault.h"

namespace qovsim {

// The arguments of qovara-sim:
//   --port N                        port to listen on (0, the default: any free port)
//   --data-dir DIR                  where the gazetteer is read from
//   --fault-delay PATTERN=SECONDS   --fault-status PATTERN=CODE
//   --fault-truncate PATTERN        --fault-malform PATTERN        --fault-drop PATTERN
//   --print KIND KEY:TYPE           print one answer instead of serving
// Fault flags may repeat; flags naming the same pattern make one fault.
struct SimCommandLine {
    int port = 0;
    std::filesystem::path dataDirectory;
    std::vector<Fault> faults;
    std::string printKind;
    std::string printIdentifier;

    // Parses the arguments (without the program name). Answers nullopt after writing help (exitCode 0) or an
    // error (exitCode non-zero) to the streams.
    static std::optional<SimCommandLine> parse(const std::vector<std::string>& arguments, std::ostream& out,
                                               std::ostream& err, int& exitCode);

    // The service path that --print asks for ("/wxdata/mobile/mobagg/USGA0028:1.js"); nullopt without --print.
    std::optional<std::string> printPath() const;
};

}  // namespace qovsim
