#include "cli/StandardInput.h"

#include <cerrno>

#include <poll.h>
#include <unistd.h>

namespace qovcli {

StandardInput::Buffer::int_type StandardInput::Buffer::underflow() {
    while (m_error == 0) {
        const ssize_t count = ::read(STDIN_FILENO, m_bytes.data(), m_bytes.size());
        if (count > 0) {
            setg(m_bytes.data(), m_bytes.data(), m_bytes.data() + count);
            return traits_type::to_int_type(m_bytes.front());
        }
        if (count == 0) {
            break;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // Standard input left non-blocking by whoever holds its other end: wait until it has more.
            pollfd ready{STDIN_FILENO, POLLIN, 0};
            ::poll(&ready, 1, -1);
        } else if (errno != EINTR) {
            m_error = errno;
        }
    }
    return traits_type::eof();
}

StandardInput::StandardInput() : std::istream(nullptr) { rdbuf(&m_buffer); }

}  // namespace qovcli
