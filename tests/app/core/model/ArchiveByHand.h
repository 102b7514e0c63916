#pragma once

#include "platform/base/Value.h"
#include "platform/storage/PropertyList.h"

namespace qovtest {

// The binary property list of a root dictionary written by hand (an archive another writer could have left).
inline platform::Data binaryArchiveOf(const platform::Dictionary& root) {
    const auto node = platform::PropertyList::fromValue(platform::Value(root));
    const auto bytes = platform::PropertyList::binaryBytes(node.get());
    return bytes ? platform::Data(bytes->begin(), bytes->end()) : platform::Data{};
}

}  // namespace qovtest
