// Feeds arbitrary text to the marine reader; a forecast it builds is named, archived and read back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVMarineForecast.h"
#include "app/core/model/QOVModelFactory.h"
#include "app/core/model/QOVTide.h"
#include "fuzz/ModelFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto forecast = qov::QOVModelFactory::sharedInstance()->beachAndBoatForecastFromJSON(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (!forecast) {
        return 0;
    }
    volatile bool valid = forecast->isValid();
    (void)valid;
    for (const auto& period :
         forecast->marineForecastArray().value_or(qov::QOVBeachAndBoatForecast::MarineForecastList{})) {
        volatile std::size_t length = period->cardinalWindDirection().size();
        (void)length;
    }
    for (const auto& tide : forecast->tideArray().value_or(qov::QOVBeachAndBoatForecast::TideList{})) {
        tide->initNameWithTimeZone(std::string("America/New_York"));
    }
    qovfuzz::exerciseArchiveRoundTrip(*forecast);
    return 0;
}
