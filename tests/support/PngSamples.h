#pragma once

#include <cstdint>

#include "platform/base/Value.h"

namespace qovtest {

// PNG bytes for tests of the decoders: whole pictures and hostile variants of them.
class PngSamples {
public:
    // A whole, opaque PNG of the size (one colour).
    static platform::Data picture(int width, int height);
    // The picture's bytes with a header that declares another size (its checksum made right), so only a check
    // of the header can tell: decoding it would allocate for the declared size.
    static platform::Data declaring(std::uint32_t width, std::uint32_t height);
};

}  // namespace qovtest
