#include "platform/ui/Keyboard.h"

#include "platform/ui/Screen.h"

namespace platform::ui {

void Keyboard::didShow() {
    const Rect screen = Screen::bounds();
    const Dictionary frame{{"x", screen.x()},
                           {"y", screen.maxY() - kHeight},
                           {"width", screen.width()},
                           {"height", kHeight}};
    NotificationCenter::defaultCenter().postNotification(kDidShowNotification, {}, {{kFrameEndUserInfoKey, frame}});
}

Rect Keyboard::endFrame(const Notification& notification) {
    const auto found = notification.userInfo.find(kFrameEndUserInfoKey);
    const Dictionary* frame = found == notification.userInfo.end() ? nullptr : found->second.ifDictionary();
    if (!frame) {
        return Rect();
    }
    const auto number = [frame](const char* key) {
        const auto entry = frame->find(key);
        return entry == frame->end() ? 0.0 : entry->second.doubleValue();
    };
    return Rect(number("x"), number("y"), number("width"), number("height"));
}

}  // namespace platform::ui
