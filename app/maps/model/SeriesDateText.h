#pragma once

#include <string>

namespace qov {

// Display texts of series times (ICU, the user's locale from platform::LocaleSource).
class SeriesDateText {
public:
    // The moment (seconds since 1970) in the medium date and short time styles, in the named time zone; an
    // unknown name reads as "EST". A moment that is not a finite number answers "".
    static std::string mediumDateShortTime(double secondsSince1970, const std::string& timeZoneName);
};

}  // namespace qov
