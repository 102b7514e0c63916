#pragma once

// A built program started as cron or a service manager may start it: with some of its standard descriptors
// closed. The others are an empty input file and output and error files in a scratch folder, read back once the
// program has ended.
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace qovtest {

struct ClosedDescriptorsRun {
    int status = -1;  // the exit status; -1 when it did not exit by itself within the limit (it is killed) or
                      // ended by a signal
    std::string out;
    std::string err;
};

// Runs program with arguments, descriptors 0, 1 or 2 named in closed closed, in the scratch folder's files
// otherwise ("in.txt", "out.txt", "err.txt"), and waits at most limit for it.
ClosedDescriptorsRun runWithClosedDescriptors(const std::filesystem::path& program,
                                              const std::vector<std::string>& arguments, const std::vector<int>& closed,
                                              const std::filesystem::path& scratch,
                                              std::chrono::seconds limit = std::chrono::seconds(30));

}  // namespace qovtest
