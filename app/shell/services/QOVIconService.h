#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/shell/services/WeatherIconKinds.h"
#include "platform/ui/Device.h"

namespace platform::ui {
class Image;
}

namespace qov {

// Names the pictures of the data service's weather icon codes (0 to 47): the icon images of the bundle
// ("05_44.png": code 5 at 44 pixels), the address of a 72-pixel icon on the icon server, and the bundle paths
// of the full-screen background pictures and videos of a kind of weather by day or by night
// ("rainy_day_portrait.jpg"). Class operations; main thread (images come from the platform's named-image
// cache). Codes outside 0 to 47 draw as icon 44 and have no background.
class QOVIconService {
public:
    static std::shared_ptr<QOVIconService> sharedInstance();

    // Size classes: 1 → 44 pixels, 2 → 100, 3 → 128, 4 → 256, anything else → 25.
    static int pixelSizeForSizeClass(std::int32_t sizeClass);
    // "%02i_%i.png" with the code (44 when out of range) and the pixel size.
    static std::string weatherIconName(std::int32_t code, std::int32_t sizeClass);
    // nullptr when the bundle has no such image.
    static std::shared_ptr<platform::ui::Image> weatherIcon(std::int32_t code, std::int32_t sizeClass);
    static std::shared_ptr<platform::ui::Image> emptyWeatherIconForSize(std::int32_t sizeClass);

    static std::string URLForWeatherIconNumber(std::int32_t number);

    // The resource name without extension: "kind_day" / "kind_night" ("default" alone for code 22), and for
    // "jpg" the ending "_landscape" or "_portrait"; empty for codes outside 0 to 47.
    static std::string resourceNameForIcon(std::int32_t code, const std::string& extension,
                                           platform::ui::DeviceOrientation orientation);
    // The bundle path of that resource; empty when there is none.
    static std::string mapNameForIcon(std::int32_t code, const std::string& extension,
                                      platform::ui::DeviceOrientation orientation);
    static std::string weatherBackgroundForIcon(std::int32_t code, platform::ui::DeviceOrientation orientation);
    static std::string weatherVideoForIcon(std::int32_t code, platform::ui::DeviceOrientation orientation);

    static constexpr std::int32_t kEmptyIcon = WeatherIconKinds::kEmpty;
    static constexpr const char* kIconServerBase = "http://images.qovara.net/v.20100719.135915/img/wxicon/72/";
};

}  // namespace qov
