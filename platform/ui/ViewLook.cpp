#include "platform/ui/ViewLook.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <fmt/format.h>

#include "platform/base/PrintableText.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/ProgressView.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Slider.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/WebView.h"

namespace platform::ui {

namespace {

using Words = std::vector<std::string>;

std::string number(double value) { return fmt::format("{:.4g}", value); }

// The face drawn (the DejaVu file's name) and the size.
std::string fontWords(const gfx::Font& font) {
    const char* face = font.isCondensed() ? (font.isBold() ? "DejaVuSansCondensed-Bold" : "DejaVuSansCondensed")
                                          : (font.isBold() ? "DejaVuSans-Bold" : "DejaVuSans");
    return fmt::format("font {} {}", face, number(font.pointSize()));
}

void addText(Words& words, const gfx::Font& font, gfx::TextAlignment alignment, int lines = 1) {
    words.push_back(fontWords(font));
    if (alignment != gfx::TextAlignment::Left) {
        words.emplace_back(alignment == gfx::TextAlignment::Center ? "align center" : "align right");
    }
    if (lines != 1) {
        words.push_back("lines " + std::to_string(lines));
    }
}

void addImage(Words& words, const char* word, const std::shared_ptr<Image>& image) {
    if (image) {
        words.push_back(std::string(word) + " " + (image->name().empty() ? std::string("unnamed") : image->name()));
    }
}

void addBar(Words& words, const gfx::Color& tint, BarStyle style) {
    words.push_back("tint " + ViewLook::colorText(tint));
    if (style != BarStyle::Default) {
        words.emplace_back(style == BarStyle::Black ? "style black" : "style translucent");
    }
}

void addBarItem(Words& words, const char* side, const std::shared_ptr<BarButtonItem>& item) {
    if (!item || item->customView()) {
        return;
    }
    if (!item->title().empty()) {
        words.push_back(std::string(side) + " " + ViewLook::quoted(item->title()));
    } else if (item->image()) {
        words.push_back(std::string(side) + " image " + item->image()->name());
    }
}

void addNavigationBar(Words& words, const NavigationBar& bar) {
    addBar(words, bar.tintColor(), bar.barStyle());
    const auto top = bar.topItem();
    if (!top) {
        return;
    }
    addBarItem(words, "left", top->leftBarButtonItem());
    if (const std::string back = bar.backButtonTitle(); !back.empty()) {
        words.push_back("back " + ViewLook::quoted(back));
    }
    addBarItem(words, "right", top->rightBarButtonItem());
}

void addButton(Words& words, const Button& button) {
    if (!button.shownTitle().empty() || button.buttonType() != ButtonType::Custom) {
        words.push_back("color " + ViewLook::colorText(button.titleColorForState(button.state())));
        words.push_back(fontWords(button.titleLabel()->font()));
    }
    addImage(words, "image", button.currentImage());
    addImage(words, "background-image", button.currentBackgroundImage());
}

void addTextField(Words& words, const TextField& field) {
    words.push_back("color " + ViewLook::colorText(field.textColor()));
    addText(words, field.font(), field.textAlignment());
    if (field.text().empty() && !field.placeholder().empty()) {
        words.push_back("placeholder " + ViewLook::quoted(field.placeholder()));
    }
    switch (field.borderStyle()) {
        case TextBorderStyle::Line: words.emplace_back("border line"); break;
        case TextBorderStyle::Bezel: words.emplace_back("border bezel"); break;
        case TextBorderStyle::RoundedRect: words.emplace_back("border rounded"); break;
        case TextBorderStyle::None: break;
    }
}

void addSearchBar(Words& words, const SearchBar& bar) {
    if (bar.text().empty() && !bar.placeholder().empty()) {
        words.push_back("placeholder " + ViewLook::quoted(bar.placeholder()));
    }
    if (bar.backgroundImage()) {
        addImage(words, "background-image", bar.backgroundImage());
    } else {
        addBar(words, bar.tintColor(), bar.barStyle());
    }
    if (bar.showsCancelButton()) {
        words.emplace_back("cancel");
    }
}

void addCell(Words& words, const TableViewCell& cell) {
    if (cell.isSelected() && cell.selectionStyle() != TableViewCellSelectionStyle::None) {
        words.emplace_back("selected");
    }
    if (cell.accessoryView() || cell.editingState().editing) {
        return;
    }
    if (cell.accessoryType() == TableViewCellAccessoryType::DisclosureIndicator) {
        words.emplace_back("accessory disclosure");
    } else if (cell.accessoryType() == TableViewCellAccessoryType::Checkmark) {
        words.emplace_back("accessory checkmark");
    }
}

// The words of the view's own kind.
void addKindWords(Words& words, const View& view) {
    if (const auto* label = dynamic_cast<const Label*>(&view)) {
        addText(words, label->font(), label->textAlignment(), label->numberOfLines());
    } else if (const auto* button = dynamic_cast<const Button*>(&view)) {
        addButton(words, *button);
    } else if (const auto* field = dynamic_cast<const TextField*>(&view)) {
        addTextField(words, *field);
    } else if (const auto* textView = dynamic_cast<const TextView*>(&view)) {
        words.push_back("color " + ViewLook::colorText(textView->textColor()));
        words.push_back(fontWords(textView->font()));
    } else if (const auto* image = dynamic_cast<const ImageView*>(&view)) {
        if (image->contentMode() == ContentMode::ScaleAspectFit) {
            words.emplace_back("aspect-fit");
        }
    } else if (const auto* searchBar = dynamic_cast<const SearchBar*>(&view)) {
        addSearchBar(words, *searchBar);
    } else if (const auto* segments = dynamic_cast<const SegmentedControl*>(&view)) {
        words.push_back("tint " + ViewLook::colorText(segments->tintColor()));
    } else if (const auto* navigationBar = dynamic_cast<const NavigationBar*>(&view)) {
        addNavigationBar(words, *navigationBar);
    } else if (const auto* toolbar = dynamic_cast<const Toolbar*>(&view)) {
        addBar(words, toolbar->tintColor(), toolbar->barStyle());
    } else if (const auto* table = dynamic_cast<const TableView*>(&view)) {
        words.push_back("separator " + ViewLook::colorText(table->separatorColor()));
    } else if (const auto* cell = dynamic_cast<const TableViewCell*>(&view)) {
        addCell(words, *cell);
    } else if (const auto* web = dynamic_cast<const WebView*>(&view)) {
        if (!web->page().title.empty()) {
            words.push_back("title " + ViewLook::quoted(web->page().title));
        }
        if (!web->page().text.empty()) {
            words.push_back("page " + ViewLook::quoted(web->page().text));
        }
    } else if (const auto* progress = dynamic_cast<const ProgressView*>(&view)) {
        words.push_back("progress " + number(progress->progress()));
    } else if (const auto* slider = dynamic_cast<const Slider*>(&view)) {
        words.push_back("value " + number(slider->value()));
    } else if (const auto* spinner = dynamic_cast<const ActivityIndicatorView*>(&view)) {
        if (spinner->isAnimating()) {
            words.emplace_back("animating");
        }
    }
}

}  // namespace

std::string ViewLook::quoted(const std::string& text) {
    std::string result = "\"";
    for (char character : text) {
        if (character == '"' || character == '\\') {
            result += '\\';
        }
        result += character;
    }
    return printableText(result) + "\"";
}

std::string ViewLook::colorText(const gfx::Color& color) {
    const auto byte = [](double component) { return static_cast<int>(std::clamp(component, 0.0, 1.0) * 255.0 + 0.5); };
    std::string text = fmt::format("#{:02X}{:02X}{:02X}", byte(color.red), byte(color.green), byte(color.blue));
    return color.alpha < 1.0 ? text + fmt::format("{:02X}", byte(color.alpha)) : text;
}

std::vector<std::string> ViewLook::words(const View& view) {
    Words words;
    addKindWords(words, view);
    if (!view.backgroundColor().isClear()) {
        words.push_back("background " + colorText(view.backgroundColor()));
    }
    if (view.layer().cornerRadius > 0.0) {
        words.push_back("corners " + number(view.layer().cornerRadius));
    }
    if (const double degrees = view.rotation() * 180.0 / std::numbers::pi; std::abs(degrees) > 1e-9) {
        words.push_back("rotation " + number(degrees));
    }
    return words;
}

}  // namespace platform::ui
