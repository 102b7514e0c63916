#include "platform/base/StandardDescriptors.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

bool openClosedStandardDescriptors() {
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // open() takes the lowest free number, which is this one: those below it are open by now.
        const int flags = (descriptor == STDIN_FILENO ? O_WRONLY : O_RDONLY) | O_NOCTTY;
        if (::open("/dev/null", flags) != descriptor) {
            return false;
        }
    }
    return true;
}

}  // namespace platform
