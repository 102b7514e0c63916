#include "tests/support/ClosedDescriptorsRun.h"

#include <algorithm>
#include <csignal>
#include <fstream>
#include <iterator>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qovtest {

namespace {

std::string contentsOf(const std::filesystem::path& path) {
    std::ifstream stream(path);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// Waits for the child at most limit, then kills it; its exit status, or -1.
int waitAtMost(pid_t child, std::chrono::seconds limit) {
    const int handle = static_cast<int>(::syscall(SYS_pidfd_open, child, 0));
    if (handle >= 0) {
        pollfd ended{handle, POLLIN, 0};
        const auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(limit).count();
        if (::poll(&ended, 1, static_cast<int>(milliseconds)) != 1) {
            ::kill(child, SIGKILL);
        }
        ::close(handle);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

}  // namespace

ClosedDescriptorsRun runWithClosedDescriptors(const std::filesystem::path& program,
                                              const std::vector<std::string>& arguments, const std::vector<int>& closed,
                                              const std::filesystem::path& scratch, std::chrono::seconds limit) {
    const std::string files[] = {(scratch / "in.txt").string(), (scratch / "out.txt").string(),
                                 (scratch / "err.txt").string()};
    std::ofstream(files[0]).close();
    // What an earlier run left must not pass for what this one wrote.
    std::filesystem::remove(files[1]);
    std::filesystem::remove(files[2]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int descriptor = 0; descriptor < 3; ++descriptor) {
        if (std::find(closed.begin(), closed.end(), descriptor) != closed.end()) {
            posix_spawn_file_actions_addclose(&actions, descriptor);
        } else {
            const int flags = descriptor == 0 ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC;
            posix_spawn_file_actions_addopen(&actions, descriptor, files[descriptor].c_str(), flags, 0600);
        }
    }
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return {};
    }
    ClosedDescriptorsRun run;
    run.status = waitAtMost(child, limit);
    run.out = contentsOf(files[1]);
    run.err = contentsOf(files[2]);
    return run;
}

}  // namespace qovtest
