#include "platform/base/StandardDescriptors.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {
namespace {

// What a child process that closed some standard descriptors and then called the guard found, one bit a fault.
enum Fault : int {
    kGuardFailed = 1,
    kStillClosed = 2,
    kWrongDirection = 4,
    kUseSucceeded = 8,
    kUseFailedOtherwise = 16,
    kNewFileTookAStandardNumber = 32,
};

// Runs in the forked child: only calls that are safe there.
int faultsAfterClosing(const std::vector<int>& closed) {
    for (const int descriptor : closed) {
        ::close(descriptor);
    }
    if (!openClosedStandardDescriptors()) {
        return kGuardFailed;
    }
    int faults = 0;
    for (const int descriptor : closed) {
        const int flags = ::fcntl(descriptor, F_GETFL);
        if (flags == -1) {
            faults |= kStillClosed;
            continue;
        }
        const bool input = descriptor == STDIN_FILENO;
        if ((flags & O_ACCMODE) != (input ? O_WRONLY : O_RDONLY)) {
            faults |= kWrongDirection;
        }
        char byte = 'x';
        const ssize_t used = input ? ::read(descriptor, &byte, 1) : ::write(descriptor, &byte, 1);
        faults |= used >= 0 ? kUseSucceeded : errno != EBADF ? kUseFailedOtherwise : 0;
    }
    int ends[2];
    if (::pipe(ends) != 0 || ends[0] <= STDERR_FILENO || ends[1] <= STDERR_FILENO) {
        faults |= kNewFileTookAStandardNumber;
    }
    return faults;
}

TEST(StandardDescriptorsTest, ClosedOnesAreTakenByTheNullDeviceSoThatTheirUseFailsAndNoFileGetsTheirNumber) {
    const std::vector<std::vector<int>> cases{{STDIN_FILENO},
                                              {STDOUT_FILENO},
                                              {STDERR_FILENO},
                                              {STDOUT_FILENO, STDERR_FILENO},
                                              {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO},
                                              {}};
    for (const auto& closed : cases) {
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            ::_exit(faultsAfterClosing(closed));
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "faults (bits of Fault) with " << closed.size() << " closed, first "
                                          << (closed.empty() ? -1 : closed.front());
    }
}

TEST(StandardDescriptorsTest, OpenOnesAreLeftAsTheyAre) {
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        int ends[2];
        if (::pipe(ends) != 0 || ::dup2(ends[1], STDOUT_FILENO) != STDOUT_FILENO) {
            ::_exit(1);
        }
        const bool guarded = openClosedStandardDescriptors();
        const bool written = ::write(STDOUT_FILENO, "k", 1) == 1;
        char byte = 0;
        ::_exit(guarded && written && ::read(ends[0], &byte, 1) == 1 && byte == 'k' ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the pipe on standard output still carried a byte";
}

}  // namespace
}  // namespace platform
