#include "cli/StandardOutput.h"

#include <cerrno>
#include <cstring>
#include <string>

#include <poll.h>
#include <unistd.h>

namespace qovcli {

StandardOutput::Buffer::Buffer() { setp(m_bytes.data(), m_bytes.data() + m_bytes.size()); }

StandardOutput::Buffer::int_type StandardOutput::Buffer::overflow(int_type character) {
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(character, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(character);
        pbump(1);
    }
    return traits_type::not_eof(character);
}

int StandardOutput::Buffer::sync() { return drain() ? 0 : -1; }

bool StandardOutput::Buffer::drain() {
    const char* next = pbase();
    while (m_error == 0 && next < pptr()) {
        const ssize_t written = ::write(STDOUT_FILENO, next, static_cast<std::size_t>(pptr() - next));
        if (written > 0) {
            next += written;
        } else if (written < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // Standard output left non-blocking by whoever holds its other end: wait until it takes more.
            pollfd ready{STDOUT_FILENO, POLLOUT, 0};
            ::poll(&ready, 1, -1);
        } else if (written == 0 || errno != EINTR) {
            m_error = written == 0 ? EIO : errno;
        }
    }
    setp(m_bytes.data(), m_bytes.data() + m_bytes.size());
    return m_error == 0;
}

StandardOutput::StandardOutput() : std::ostream(nullptr) {
    rdbuf(&m_buffer);
    if (::isatty(STDOUT_FILENO) == 1) {
        setf(std::ios::unitbuf);
    }
}

bool StandardOutput::flushOrReport(std::ostream& err) {
    flush();
    if (m_buffer.error() == 0) {
        return true;
    }
    // One write: log lines may come between.
    err << std::string("qovara: cannot write to standard output: ") + std::strerror(m_buffer.error()) + "\n"
        << std::flush;
    return false;
}

}  // namespace qovcli
