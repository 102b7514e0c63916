#include "platform/format/NumberFormatter.h"

#include <cmath>
#include <memory>

#include <unicode/decimfmt.h>
#include <unicode/unistr.h>

#include "platform/base/Log.h"
#include "platform/storage/LocaleSource.h"

QOV_LOG_LEVEL(15)

namespace platform {

NumberFormatter::NumberFormatter() : m_locale(LocaleSource::currentLocaleIdentifier()) {}

std::string NumberFormatter::stringFromNumber(double number) const {
    if (std::isnan(number)) {
        return "NaN";
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(m_locale.c_str());
    auto symbols = std::make_unique<icu::DecimalFormatSymbols>(locale, status);
    icu::DecimalFormat format(icu::UnicodeString::fromUTF8(m_pattern), symbols.release(), status);
    if (U_FAILURE(status)) {
        QOV_LOG_WARN("Cannot format numbers with the pattern \"{}\"", m_pattern);
        return {};
    }
    icu::UnicodeString text;
    format.format(number, text);
    std::string result;
    text.toUTF8String(result);
    return result;
}

}  // namespace platform
