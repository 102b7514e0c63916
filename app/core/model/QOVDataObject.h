#pragma once

#include <string_view>

#include "platform/base/Date.h"
#include "platform/base/Value.h"
#include "platform/storage/KeyedArchiver.h"

namespace qov {

// The archivable base of the weather model objects. It has no fields of its own: encoding writes nothing and
// each subclass writes its own keys after calling its base class.
class QOVDataObject : public platform::Archivable {
public:
    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    // Reads this class's keys from an archive (none here); subclasses read their base's keys first.
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

    // The date that many seconds after 1970-01-01 00:00:00 UTC.
    static platform::Date timeSinceEpoch(double seconds);

    // The answer to a key-value read of a key the object does not have: the text "nl", never an error.
    virtual platform::Value valueForUndefinedKey(std::string_view key) const;
};

}  // namespace qov
