#pragma once

#include <memory>

#include "platform/gfx/Color.h"

namespace qov {

class QOVLocation;

// The colours of the user interface. Every colour has a premium-edition and a standard-edition value; each
// call picks one after QOVSettingsService::isPremiumApp(). Class operations only, callable from any thread.
class QOVThemeService {
public:
    using Color = platform::gfx::Color;

    // The colours of one edition.
    struct Palette {
        Color backgroundColor;
        Color navBarColor;
        Color evenRowColor;
        Color oddRowColor;
        Color headerColor;
        Color subheaderColor;
        Color segmentedControlColor;
        Color tabBarItemColor;
        Color tabBarItemHighlightedColor;
    };

    static const Palette& premiumPalette();
    static const Palette& standardPalette();
    // The palette of this edition.
    static const Palette& palette();

    // The one shared instance (no operation needs it).
    static std::shared_ptr<QOVThemeService> sharedInstance();

    static Color backgroundColor() { return palette().backgroundColor; }
    static Color navBarColor() { return palette().navBarColor; }
    static Color evenRowColor() { return palette().evenRowColor; }
    static Color oddRowColor() { return palette().oddRowColor; }
    static Color headerColor() { return palette().headerColor; }
    static Color subheaderColor() { return palette().subheaderColor; }
    static Color segmentedControlColor() { return palette().segmentedControlColor; }
    static Color tabBarItemColor() { return palette().tabBarItemColor; }
    static Color tabBarItemHighlightedColor() { return palette().tabBarItemHighlightedColor; }

    // The colour of a location's "Updated" line: red when its data is invalid, orange when stale, else
    // white (also for no location).
    static Color dataAgeColorForLocation(const std::shared_ptr<QOVLocation>& location);

    virtual ~QOVThemeService() = default;
};

}  // namespace qov
