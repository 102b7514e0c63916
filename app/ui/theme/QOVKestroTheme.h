#pragma once

#include "app/ui/theme/QOVThemeService.h"

namespace qov {

// A theme whose background, navigation bar and segmented controls are opaque black; its other colours are
// the theme service's.
class QOVKestroTheme : public QOVThemeService {
public:
    static Color backgroundColor() { return Color::black(); }
    static Color navBarColor() { return Color::black(); }
    static Color segmentedControlColor() { return Color::black(); }
};

}  // namespace qov
