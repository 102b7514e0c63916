#pragma once

#include <array>
#include <ostream>
#include <streambuf>

namespace qovcli {

// The runner's standard output: a stream that writes descriptor 1 with write(2) from a buffer of its own, so that
// a write that fails is known, with its reason, wherever it happened. Texts reach the descriptor when the buffer is
// full and at each flush; on a terminal after each output operation, as a user watching expects. The first failed
// write turns the stream bad for good: what it held and whatever comes after is dropped. Main thread.
class StandardOutput final : public std::ostream {
public:
    StandardOutput();
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    // Flushes; answers whether everything written reached standard output. When not, writes one line on err:
    // "qovara: cannot write to standard output: REASON".
    bool flushOrReport(std::ostream& err);

private:
    class Buffer final : public std::streambuf {
    public:
        Buffer();
        // The errno of the write that failed, 0 while none has.
        int error() const { return m_error; }

    protected:
        int_type overflow(int_type character) override;
        int sync() override;

    private:
        // Writes what the buffer holds and empties it; false once a write has failed.
        bool drain();

        std::array<char, 16 * 1024> m_bytes{};
        int m_error = 0;
    };

    Buffer m_buffer;
};

}  // namespace qovcli
