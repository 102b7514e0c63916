#include "app/shell/weather/RowColors.h"

#include "app/ui/theme/QOVThemeService.h"

namespace qov {

platform::gfx::Color rowColorForRow(int row) {
    return row % 2 == 0 ? QOVThemeService::oddRowColor() : QOVThemeService::evenRowColor();
}

}  // namespace qov
