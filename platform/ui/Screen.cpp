#include "platform/ui/Screen.h"

#include "platform/ui/Application.h"

namespace platform::ui {

Rect Screen::applicationFrame() {
    const Application& application = Application::shared();
    const double statusBar = application.isStatusBarHidden() ? 0.0 : Application::kStatusBarHeight;
    return Rect(0.0, statusBar, kWidth, kHeight - statusBar);
}

}  // namespace platform::ui
