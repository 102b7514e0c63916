#include "platform/ui/TouchPanel.h"

#include "platform/ui/Keyboard.h"
#include "platform/ui/KeyboardLayout.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/NavigationItem.h"
#include "platform/ui/PopupRegistry.h"
#include "platform/ui/PopupView.h"
#include "platform/ui/ScriptTargets.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/VisibleViews.h"

namespace platform::ui {

namespace {

constexpr const char* kOnKeyboard = "the keyboard is there: nothing under it moves";

// A finger on the keyboard types the key under it, as the keyboard's own keys do.
std::optional<std::string> tapKeyboard(Point point) {
    using Kind = KeyboardLayout::KeyKind;
    const auto keys = KeyboardLayout::keys(Keyboard::frame(), Keyboard::layer());
    const auto* key = KeyboardLayout::keyAt(keys, point);
    if (!key) {
        return "no key of the keyboard at that point";
    }
    bool typed = false;
    switch (key->kind) {
        case Kind::Character: typed = Keyboard::type(key->character); break;
        case Kind::Space: typed = Keyboard::type(" "); break;
        case Kind::Backspace: typed = Keyboard::pressBackspace(); break;
        case Kind::Return: typed = Keyboard::pressReturn(); break;
        case Kind::LayerSwitch: typed = Keyboard::switchLayer(); break;
        case Kind::Shift: return "the shift key does nothing here: type capitals with the keys";
    }
    return typed ? std::nullopt : std::optional<std::string>("no field is being edited");
}

// What a finger at the point (in the view's bounds) touches as text: the part's title on views made of several
// touchable parts (a search bar's cancel button among them), the placeholder on an empty field, otherwise the
// view's text.
std::string textAt(const View& view, Point point) {
    if (const auto* segments = dynamic_cast<const SegmentedControl*>(&view)) {
        for (int index = 0; index < segments->numberOfSegments(); ++index) {
            if (segments->segmentFrame(index).contains(point)) {
                return segments->titleForSegmentAtIndex(index);
            }
        }
    } else if (const auto* bar = dynamic_cast<const NavigationBar*>(&view)) {
        const auto top = bar->topItem();
        if (top && bar->leftFrame().contains(point)) {
            return top->leftBarButtonItem() ? top->leftBarButtonItem()->title() : bar->backButtonTitle();
        }
        if (top && top->rightBarButtonItem() && bar->rightFrame().contains(point)) {
            return top->rightBarButtonItem()->title();
        }
    } else if (const auto* toolbar = dynamic_cast<const Toolbar*>(&view)) {
        const auto frames = toolbar->itemFrames();
        for (std::size_t index = 0; index < frames.size() && index < toolbar->items().size(); ++index) {
            if (frames[index].contains(point)) {
                return toolbar->items()[index]->title();
            }
        }
        return {};
    } else if (const auto* field = dynamic_cast<const TextField*>(&view); field && field->text().empty()) {
        return field->placeholder();
    } else if (const auto* searchBar = dynamic_cast<const SearchBar*>(&view)) {
        return searchBar->textAt(point);
    }
    return view.text();
}

std::optional<std::string> tapPopup(PopupView& popup, gfx::Point point) {
    const gfx::Rect frame = popup.frame();
    const gfx::Point inside{point.x - frame.x(), point.y - frame.y()};
    for (int index = 0; index < popup.numberOfButtons(); ++index) {
        if (popup.buttonFrame(index).contains(inside)) {
            popup.clickButtonAtIndex(index);
            return std::nullopt;
        }
    }
    return "an alert is in front: tap one of its buttons";
}

}  // namespace

std::shared_ptr<View> TouchPanel::viewAt(gfx::Point point) { return touchAt(point).view; }

TouchPanel::Touch TouchPanel::touchAt(gfx::Point point) {
    if (Keyboard::covers(point)) {
        return {};
    }
    const auto views = VisibleViews::onScreen();
    for (auto each = views.rbegin(); each != views.rend(); ++each) {
        if (each->touchable && each->visible.contains(point)) {
            const Rect bounds = each->view->bounds();
            const Point inside{point.x - each->frame.x() + bounds.x(), point.y - each->frame.y() + bounds.y()};
            return Touch{each->view, textAt(*each->view, inside)};
        }
    }
    return {};
}

std::optional<std::string> TouchPanel::tap(gfx::Point point, int taps) {
    if (auto popup = PopupRegistry::shared().top()) {
        return tapPopup(*popup, point);
    }
    if (Keyboard::covers(point)) {
        return tapKeyboard(point);
    }
    const Touch touch = touchAt(point);
    if (!touch.view) {
        return "nothing on screen at that point";
    }
    if (taps > 1 &&
        ScriptTargets::tap(*touch.view, touch.text, TapGesture{.taps = taps, .touches = 1, .location = point})) {
        return std::nullopt;
    }
    if (!ScriptTargets::tap(*touch.view, touch.text)) {
        return "nothing there responds to taps";
    }
    return std::nullopt;
}

std::optional<std::string> TouchPanel::drag(gfx::Point point, double dx, double dy) {
    if (PopupRegistry::shared().top()) {
        return "an alert is in front";
    }
    if (Keyboard::covers(point)) {
        return kOnKeyboard;
    }
    const auto view = viewAt(point);
    if (view && ScriptTargets::drag(*view, dx, dy)) {
        return std::nullopt;
    }
    const auto scrollView = view ? ScriptTargets::enclosingScrollView(*view) : nullptr;
    if (!scrollView) {
        return "nothing scrolls at that point";
    }
    scrollView->dragBy(dx, dy);
    return std::nullopt;
}

std::optional<std::string> TouchPanel::pinch(gfx::Point point, double scale) {
    if (PopupRegistry::shared().top()) {
        return "an alert is in front";
    }
    if (Keyboard::covers(point)) {
        return kOnKeyboard;
    }
    const auto view = viewAt(point);
    if (!view) {
        return "nothing on screen at that point";
    }
    const Rect frame = view->frameInWindow();
    const Point inside{point.x - frame.x() + view->bounds().x(), point.y - frame.y() + view->bounds().y()};
    if (!ScriptTargets::pinch(*view, scale, inside)) {
        return "nothing zooms at that point";
    }
    return std::nullopt;
}

}  // namespace platform::ui
