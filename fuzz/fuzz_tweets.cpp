// Feeds arbitrary text to the tweet reader and archives every tweet it reads. The error registry is emptied
// each time, so the no-data error is announced on every input that fires it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/core/error/QOVError.h"
#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVTweet.h"
#include "fuzz/ModelFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qov::QOVError::clearAllErrors();
    const auto tweets = qov::QOVModelFactory::sharedInstance()->tweetsUsingJSON(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (tweets) {
        for (const auto& tweet : *tweets) {
            qovfuzz::exerciseArchiveRoundTrip(*tweet);
        }
    }
    return 0;
}
