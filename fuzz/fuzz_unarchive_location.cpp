// Feeds arbitrary bytes to the keyed unarchiver as a location cache file; a location it reads is asked for its
// derived values and archived again.
#include <cstddef>
#include <cstdint>

#include "app/core/model/ModelClasses.h"
#include "app/core/model/QOVLocation.h"
#include "fuzz/ModelFuzzSupport.h"
#include "platform/storage/KeyedArchiver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qov::registerModelClasses();
    const auto location =
        platform::KeyedUnarchiver::unarchiveObjectOfClass<qov::QOVLocation>(platform::Data(data, data + size));
    if (location) {
        qovfuzz::exerciseLocation(*location);
        qovfuzz::exerciseArchiveRoundTrip(*location);
    }
    return 0;
}
