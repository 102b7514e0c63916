#pragma once

namespace platform::ui {

enum class BarStyle { Default = 0, Black = 1, BlackTranslucent = 2 };

}  // namespace platform::ui
