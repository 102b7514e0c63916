#include "app/core/model/QOVDataObject.h"

namespace qov {

void QOVDataObject::encodeWithCoder(platform::KeyedArchiver& /*coder*/) const {}

void QOVDataObject::decodeWithCoder(const platform::KeyedUnarchiver& /*coder*/) {}

platform::Date QOVDataObject::timeSinceEpoch(double seconds) { return platform::Date::fromSecondsSince1970(seconds); }

platform::Value QOVDataObject::valueForUndefinedKey(std::string_view /*key*/) const { return platform::Value("nl"); }

}  // namespace qov
