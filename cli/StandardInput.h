#pragma once

#include <array>
#include <istream>
#include <streambuf>

namespace qovcli {

// The runner's standard input: a stream that reads descriptor 0 with read(2) into a buffer of its own, so that a
// read that failed (standard input closed, which leaves it open on the null device for writing only) is told from
// the input's end, with its reason. A failed read ends the stream as its end would. Main thread.
class StandardInput final : public std::istream {
public:
    StandardInput();
    StandardInput(const StandardInput&) = delete;
    StandardInput& operator=(const StandardInput&) = delete;

    // The errno of the read that failed, 0 while none has.
    int error() const { return m_buffer.error(); }

private:
    class Buffer final : public std::streambuf {
    public:
        int error() const { return m_error; }

    protected:
        int_type underflow() override;

    private:
        std::array<char, 16 * 1024> m_bytes{};
        int m_error = 0;
    };

    Buffer m_buffer;
};

}  // namespace qovcli
