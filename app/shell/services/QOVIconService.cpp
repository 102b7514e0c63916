#include "app/shell/services/QOVIconService.h"

#include "app/shell/services/WeatherIconKinds.h"
#include "platform/base/ProcessInstance.h"
#include "platform/format/TextFormat.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/Image.h"

namespace qov {

using platform::TextFormat;
using platform::ui::DeviceOrientation;

std::shared_ptr<QOVIconService> QOVIconService::sharedInstance() {
    static platform::NeverDestroyed<std::shared_ptr<QOVIconService>> shared(std::make_shared<QOVIconService>());
    return *shared;
}

int QOVIconService::pixelSizeForSizeClass(std::int32_t sizeClass) {
    switch (sizeClass) {
        case 1: return 44;
        case 2: return 100;
        case 3: return 128;
        case 4: return 256;
        default: return 25;
    }
}

std::string QOVIconService::weatherIconName(std::int32_t code, std::int32_t sizeClass) {
    return TextFormat::format("%02i_%i.png",
                              {WeatherIconKinds::inRange(code) ? code : kEmptyIcon, pixelSizeForSizeClass(sizeClass)});
}

std::shared_ptr<platform::ui::Image> QOVIconService::weatherIcon(std::int32_t code, std::int32_t sizeClass) {
    return platform::ui::Image::named(weatherIconName(code, sizeClass));
}

std::shared_ptr<platform::ui::Image> QOVIconService::emptyWeatherIconForSize(std::int32_t sizeClass) {
    return weatherIcon(kEmptyIcon, sizeClass);
}

std::string QOVIconService::URLForWeatherIconNumber(std::int32_t number) {
    return TextFormat::format("%@%d.png", {kIconServerBase, number});
}

std::string QOVIconService::resourceNameForIcon(std::int32_t code, const std::string& extension,
                                                DeviceOrientation orientation) {
    std::string name = WeatherIconKinds::baseName(code);
    if (!name.empty() && extension == "jpg") {
        const bool landscape =
            orientation == DeviceOrientation::LandscapeLeft || orientation == DeviceOrientation::LandscapeRight;
        name += landscape ? "_landscape" : "_portrait";
    }
    return name;
}

std::string QOVIconService::mapNameForIcon(std::int32_t code, const std::string& extension,
                                           DeviceOrientation orientation) {
    const std::string name = resourceNameForIcon(code, extension, orientation);
    return name.empty() ? std::string() : platform::Bundle::main().pathForResource(name, extension).string();
}

std::string QOVIconService::weatherBackgroundForIcon(std::int32_t code, DeviceOrientation orientation) {
    return mapNameForIcon(code, "jpg", orientation);
}

std::string QOVIconService::weatherVideoForIcon(std::int32_t code, DeviceOrientation orientation) {
    return mapNameForIcon(code, "m4v", orientation);
}

}  // namespace qov
