// Feeds arbitrary bytes to our own binary property-list reader (the one archives are read with), converts
// whatever it accepts to a value and writes that with our writer: the reader must accept what the writer wrote.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/storage/BinaryPlistReader.h"
#include "platform/storage/BinaryPlistWriter.h"

namespace {

platform::Value read(std::string_view bytes, bool mustRead) {
    std::string problem;
    const auto reader = platform::BinaryPlistReader::open(bytes, problem);
    if (!reader) {
        if (mustRead) {
            std::abort();  // the reader refused what the writer wrote
        }
        return platform::Value();
    }
    return reader->toValue(reader->top());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const platform::Value value = read(std::string_view(reinterpret_cast<const char*>(data), size), false);
    platform::BinaryPlistWriter writer;
    const auto top = writer.addValue(value);
    if (!top) {
        return 0;
    }
    (void)read(writer.finish(*top), true);
    return 0;
}
