#pragma once

// The built runner started as a user starts it: "SHELL_PREFIX qovara --home HOME ARGUMENTS" (without --home when
// HOME is empty) through the shell, its output and errors caught in files of a scratch folder. Arguments must not
// hold single quotes.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace qovtest {

struct RunnerRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream stream(path);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

inline RunnerRun runRunner(const std::filesystem::path& home, const std::filesystem::path& scratch,
                           const std::vector<std::string>& arguments, const std::string& shellPrefix = "") {
    std::string command = shellPrefix + std::string(QOV_RUNNER_PATH);
    if (!home.empty()) {
        command += " --home '" + home.string() + "'";
    }
    for (const auto& argument : arguments) {
        command += " '" + argument + "'";
    }
    const auto out = scratch / "out.txt";
    const auto err = scratch / "err.txt";
    const int status = std::system((command + " </dev/null >" + out.string() + " 2>" + err.string()).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readWholeFile(out), readWholeFile(err)};
}

}  // namespace qovtest
