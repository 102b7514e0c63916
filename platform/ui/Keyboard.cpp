#include "platform/ui/Keyboard.h"

#include "platform/base/ProcessInstance.h"
#include "platform/ui/Responder.h"
#include "platform/ui/Screen.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"

namespace platform::ui {

namespace {

// Hands the key to the field being edited: onField, onSearchBar or onTextView as its kind asks.
template <typename OnField, typename OnSearchBar, typename OnTextView>
bool toEditedField(OnField onField, OnSearchBar onSearchBar, OnTextView onTextView) {
    auto responder = Responder::firstResponder();
    if (auto field = std::dynamic_pointer_cast<TextField>(responder)) {
        onField(*field);
    } else if (auto searchBar = std::dynamic_pointer_cast<SearchBar>(responder)) {
        onSearchBar(*searchBar);
    } else if (auto textView = std::dynamic_pointer_cast<TextView>(responder)) {
        onTextView(*textView);
    } else {
        return false;
    }
    return true;
}

std::weak_ptr<Responder>& raisedBy() {
    static NeverDestroyed<std::weak_ptr<Responder>> input;
    return *input;
}

KeyboardLayout::Layer& shownLayer() {
    static KeyboardLayout::Layer layer = KeyboardLayout::Layer::Letters;
    return layer;
}

std::string titleOf(ReturnKeyType type) {
    switch (type) {
        case ReturnKeyType::Go: return "Go";
        case ReturnKeyType::Google:
        case ReturnKeyType::Yahoo:
        case ReturnKeyType::Search: return "Search";
        case ReturnKeyType::Join: return "Join";
        case ReturnKeyType::Next: return "Next";
        case ReturnKeyType::Route: return "Route";
        case ReturnKeyType::Send: return "Send";
        case ReturnKeyType::Done: return "Done";
        case ReturnKeyType::EmergencyCall: return "Emergency Call";
        case ReturnKeyType::Default: break;
    }
    return "return";
}

}  // namespace

bool Keyboard::type(const std::string& text) {
    return toEditedField([&](TextField& field) { field.typeText(text); },
                         [&](SearchBar& searchBar) { searchBar.typeText(text); },
                         [&](TextView& textView) { textView.typeText(text); });
}

bool Keyboard::pressReturn() {
    return toEditedField([](TextField& field) { field.pressReturn(); },
                         [](SearchBar& searchBar) { searchBar.pressSearch(); },
                         [](TextView& textView) { textView.typeText("\n"); });
}

bool Keyboard::pressBackspace() {
    return toEditedField([](TextField& field) { field.deleteBackward(); },
                         [](SearchBar& searchBar) { searchBar.deleteBackward(); },
                         [](TextView& textView) { textView.deleteBackward(); });
}

void Keyboard::didShow() {
    raisedBy() = Responder::firstResponder();
    shownLayer() = KeyboardLayout::Layer::Letters;
    const Rect shown = Keyboard::frame();
    const Dictionary frame{{"x", shown.x()}, {"y", shown.y()}, {"width", shown.width()}, {"height", shown.height()}};
    NotificationCenter::defaultCenter().postNotification(kDidShowNotification, {}, {{kFrameEndUserInfoKey, frame}});
}

bool Keyboard::isShown() {
    const auto input = raisedBy().lock();
    return input && input->isFirstResponder();
}

Rect Keyboard::frame() {
    const Rect screen = Screen::bounds();
    return Rect(screen.x(), screen.maxY() - kHeight, screen.width(), kHeight);
}

bool Keyboard::covers(Point point) { return isShown() && frame().contains(point); }

std::string Keyboard::returnKeyTitle() {
    const auto input = Responder::firstResponder();
    if (const auto field = std::dynamic_pointer_cast<TextField>(input)) {
        return titleOf(field->returnKeyType());
    }
    if (const auto searchBar = std::dynamic_pointer_cast<SearchBar>(input)) {
        return titleOf(searchBar->returnKeyType());
    }
    return titleOf(ReturnKeyType::Default);
}

KeyboardLayout::Layer Keyboard::layer() { return shownLayer(); }

bool Keyboard::switchLayer() {
    if (!isShown()) {
        return false;
    }
    using Layer = KeyboardLayout::Layer;
    shownLayer() = shownLayer() == Layer::Letters ? Layer::Numbers : Layer::Letters;
    return true;
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
