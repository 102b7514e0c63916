#include "platform/ui/Screen.h"

#include "platform/ui/Application.h"

namespace platform::ui {

namespace {
Size& currentSize() {
    static Size size = Screen::kPhoneSize;
    return size;
}
}  // namespace

Size Screen::size() { return currentSize(); }

void Screen::setSize(Size size) { currentSize() = size; }

Rect Screen::applicationFrame() {
    const Application& application = Application::shared();
    const double statusBar = application.isStatusBarHidden() ? 0.0 : Application::kStatusBarHeight;
    const Size screen = size();
    return Rect(0.0, statusBar, screen.width, screen.height - statusBar);
}

}  // namespace platform::ui
