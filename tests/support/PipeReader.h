#pragma once

#include <filesystem>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace qovtest {

// A named pipe made in a test's scratch folder with a reader on it from the start, so that a writer that opens it
// without waiting finds it read. The reader runs on a thread of its own and collects what a writer sends until the
// writer closes the pipe; received() waits for that and answers what was read, and when no writer came (or the
// pipe's name was given to something else) it stops the reader with what the pipe holds. The pipe stays in the
// folder.
class PipeReader {
public:
    explicit PipeReader(const std::filesystem::path& pipe) {
        if (::mkfifo(pipe.c_str(), 0600) == 0 && ::pipe2(m_stop, O_CLOEXEC) == 0) {
            // Opened without waiting for a writer: until one comes, poll reports nothing.
            m_descriptor = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        }
        if (m_descriptor >= 0) {
            m_reader = std::thread([this] { readUntilTheWriterCloses(); });
        }
    }
    ~PipeReader() {
        received();
        for (const int descriptor : {m_descriptor, m_stop[0], m_stop[1]}) {
            if (descriptor >= 0) {
                ::close(descriptor);
            }
        }
    }
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;

    bool isReading() const { return m_descriptor >= 0; }

    // What the writer sent; call once the writer is done.
    const std::string& received() {
        if (m_reader.joinable()) {
            [[maybe_unused]] const ssize_t told = ::write(m_stop[1], "", 1);
            m_reader.join();
        }
        return m_bytes;
    }

private:
    void readUntilTheWriterCloses() {
        for (;;) {
            pollfd waiting[2] = {{m_descriptor, POLLIN, 0}, {m_stop[0], POLLIN, 0}};
            if (::poll(waiting, 2, -1) < 0) {
                continue;  // interrupted
            }
            const bool stopping = waiting[1].revents != 0;
            char buffer[1 << 16];
            const ssize_t count = ::read(m_descriptor, buffer, sizeof buffer);
            if (count > 0) {
                m_bytes.append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0 || stopping) {
                return;  // the writer closed the pipe, or none is writing and a stop was asked
            }
        }
    }

    int m_descriptor = -1;
    int m_stop[2] = {-1, -1};
    std::string m_bytes;
    std::thread m_reader;
};

}  // namespace qovtest
