#include "app/ui/theme/QOVThemeService.h"

#include "app/core/model/QOVLocation.h"
#include "app/core/services/QOVSettingsService.h"
#include "platform/base/ProcessInstance.h"

namespace qov {
namespace {

constexpr platform::gfx::Color rgb255(int red, int green, int blue) {
    return platform::gfx::Color::rgba(red / 255.0, green / 255.0, blue / 255.0);
}

}  // namespace

const QOVThemeService::Palette& QOVThemeService::premiumPalette() {
    static const Palette palette{
        .backgroundColor = Color::black(),
        .navBarColor = Color::black(),
        .evenRowColor = Color::black(),
        .oddRowColor = Color::black(),
        .headerColor = Color::rgba(0.2, 0.2, 0.2),
        .subheaderColor = rgb255(127, 127, 127),
        .segmentedControlColor = Color::darkGray(),
        .tabBarItemColor = Color::black(),
        .tabBarItemHighlightedColor = rgb255(76, 76, 76),
    };
    return palette;
}

const QOVThemeService::Palette& QOVThemeService::standardPalette() {
    static const Palette palette{
        .backgroundColor = rgb255(57, 91, 162),
        .navBarColor = rgb255(57, 91, 162),
        .evenRowColor = rgb255(57, 91, 162),
        .oddRowColor = rgb255(57, 91, 162),
        .headerColor = rgb255(57, 91, 162),
        .subheaderColor = rgb255(57, 91, 182),
        .segmentedControlColor = rgb255(57, 91, 182),
        .tabBarItemColor = rgb255(17, 24, 61),
        .tabBarItemHighlightedColor = rgb255(28, 81, 158),
    };
    return palette;
}

const QOVThemeService::Palette& QOVThemeService::palette() {
    return QOVSettingsService::isPremiumApp() ? premiumPalette() : standardPalette();
}

std::shared_ptr<QOVThemeService> QOVThemeService::sharedInstance() {
    static platform::NeverDestroyed<std::shared_ptr<QOVThemeService>> instance(std::make_shared<QOVThemeService>());
    return *instance;
}

platform::gfx::Color QOVThemeService::dataAgeColorForLocation(const std::shared_ptr<QOVLocation>& location) {
    if (location && location->isInvalid()) {
        return Color::redColor();
    }
    if (location && location->isStale()) {
        return Color::orangeColor();
    }
    return Color::white();
}

}  // namespace qov
