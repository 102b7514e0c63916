#include "app/core/model/ModelClasses.h"

#include <memory>
#include <mutex>

#include "app/core/model/QOVBasicForecast.h"
#include "app/core/model/QOVBeachAndBoatForecast.h"
#include "app/core/model/QOVConfigurableApplicationTab.h"
#include "app/core/model/QOVConfiguration.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVDailyForecast.h"
#include "app/core/model/QOVDayPartForecast.h"
#include "app/core/model/QOVHiRadHourlyForecast.h"
#include "app/core/model/QOVHourlyForecast.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/model/QOVMarineForecast.h"
#include "app/core/model/QOVMobileAppConfig.h"
#include "app/core/model/QOVNarrativeForecast.h"
#include "app/core/model/QOVPOIList.h"
#include "app/core/model/QOVPointOfInterest.h"
#include "app/core/model/QOVSevereWeather.h"
#include "app/core/model/QOVSunriseSunset.h"
#include "app/core/model/QOVTide.h"
#include "app/core/model/QOVTweet.h"
#include "app/core/model/QOVTypeAheadLocation.h"

namespace qov {

void registerModelClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        registerArchivableClass<QOVLocationIdentity>("QOVLocationIdentity");
        registerArchivableClass<QOVTypeAheadLocation>("QOVTypeAheadLocation");
        registerArchivableClass<QOVLocation>("QOVLocation");
        registerArchivableClass<QOVCurrentConditions>("QOVCurrentConditions");
        registerArchivableClass<QOVBasicForecast>("QOVBasicForecast");
        registerArchivableClass<QOVHourlyForecast>("QOVHourlyForecast");
        registerArchivableClass<QOVHiRadHourlyForecast>("QOVHiRadHourlyForecast");
        registerArchivableClass<QOVDayPartForecast>("QOVDayPartForecast");
        registerArchivableClass<QOVDailyForecast>("QOVDailyForecast");
        registerArchivableClass<QOVNarrativeForecast>("QOVNarrativeForecast");
        registerArchivableClass<QOVSunriseSunset>("QOVSunriseSunset");
        registerArchivableClass<QOVSevereWeather>("QOVSevereWeather");
        registerArchivableClass<QOVBeachAndBoatForecast>("QOVBeachAndBoatForecast");
        registerArchivableClass<QOVMarineForecast>("QOVMarineForecast");
        registerArchivableClass<QOVTide>("QOVTide");
        registerArchivableClass<QOVMobileAppConfig>("QOVMobileAppConfig");
        registerArchivableClass<QOVPointOfInterest>("QOVPointOfInterest");
        registerArchivableClass<QOVPOIList>("QOVPOIList");
        registerArchivableClass<QOVTweet>("QOVTweet");
        registerArchivableClass<QOVConfiguration>("QOVConfiguration");
        registerArchivableClass<QOVConfigurableApplicationTab>("QOVConfigurableApplicationTab");
    });
}

}  // namespace qov
