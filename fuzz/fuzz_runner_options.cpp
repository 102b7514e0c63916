// Splits the bytes at NULs into the runner's arguments (at most 32) and parses them as its command line. The
// parse answers either options or an exit status: 0 only after the help on the output, 2 after one message on
// the error stream, which repeats no control character of the input.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/RunnerOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kMostArguments = 32;
    std::vector<std::string> arguments{"qovara"};
    std::string current;
    for (std::size_t index = 0; index < size && arguments.size() <= kMostArguments; ++index) {
        if (data[index] == 0) {
            arguments.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(static_cast<char>(data[index]));
        }
    }
    if (arguments.size() <= kMostArguments) {
        arguments.push_back(std::move(current));
    }
    std::vector<const char*> argv;
    for (const auto& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const auto parsed = qovcli::RunnerOptions::parse(static_cast<int>(argv.size()), argv.data(), out, err);
    if (parsed.options) {
        if (!out.str().empty() || !err.str().empty()) {
            __builtin_trap();
        }
        return 0;
    }
    const std::string message = err.str();
    const bool help = parsed.exitStatus == 0 && !out.str().empty() && message.empty();
    const bool refused = parsed.exitStatus == 2 && !message.empty() && message.back() == '\n';
    if (!help && !refused) {
        __builtin_trap();
    }
    for (std::size_t index = 0; index + 1 < message.size(); ++index) {
        const auto character = static_cast<unsigned char>(message[index]);
        if (character < 0x20 || character == 0x7f) {
            __builtin_trap();
        }
    }
    for (const auto& argument : arguments) {
        std::string problem;
        (void)qovcli::serviceHostOf(argument, problem);
    }
    return 0;
}
