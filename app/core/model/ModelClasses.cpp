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

namespace {

template <typename T>
void registerClass(const char* name) {
    platform::ArchiveRegistry::registerClass(name, [](const platform::KeyedUnarchiver& coder) {
        auto object = std::make_shared<T>();
        object->decodeWithCoder(coder);
        return std::shared_ptr<platform::Object>(std::move(object));
    });
}

}  // namespace

void registerModelClasses() {
    static std::once_flag once;
    std::call_once(once, [] {
        registerClass<QOVLocationIdentity>("QOVLocationIdentity");
        registerClass<QOVTypeAheadLocation>("QOVTypeAheadLocation");
        registerClass<QOVLocation>("QOVLocation");
        registerClass<QOVCurrentConditions>("QOVCurrentConditions");
        registerClass<QOVBasicForecast>("QOVBasicForecast");
        registerClass<QOVHourlyForecast>("QOVHourlyForecast");
        registerClass<QOVHiRadHourlyForecast>("QOVHiRadHourlyForecast");
        registerClass<QOVDayPartForecast>("QOVDayPartForecast");
        registerClass<QOVDailyForecast>("QOVDailyForecast");
        registerClass<QOVNarrativeForecast>("QOVNarrativeForecast");
        registerClass<QOVSunriseSunset>("QOVSunriseSunset");
        registerClass<QOVSevereWeather>("QOVSevereWeather");
        registerClass<QOVBeachAndBoatForecast>("QOVBeachAndBoatForecast");
        registerClass<QOVMarineForecast>("QOVMarineForecast");
        registerClass<QOVTide>("QOVTide");
        registerClass<QOVMobileAppConfig>("QOVMobileAppConfig");
        registerClass<QOVPointOfInterest>("QOVPointOfInterest");
        registerClass<QOVPOIList>("QOVPOIList");
        registerClass<QOVTweet>("QOVTweet");
        registerClass<QOVConfiguration>("QOVConfiguration");
        registerClass<QOVConfigurableApplicationTab>("QOVConfigurableApplicationTab");
    });
}

}  // namespace qov
