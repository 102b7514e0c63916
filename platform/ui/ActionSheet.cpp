#include "platform/ui/ActionSheet.h"

#include "platform/gfx/BitmapContext.h"
#include "platform/gfx/Font.h"
#include "platform/ui/Screen.h"

namespace platform::ui {

namespace {

constexpr double kMargin = 20.0;
constexpr double kButtonHeight = 52.0;
constexpr gfx::Color kPanelColor = gfx::Color::rgba(0.2, 0.2, 0.25, 0.92);

// Fonts are made where they are used: a Font constant would run its destructor at exit.
gfx::Font titleFont() { return gfx::Font::systemFont(13.0); }
gfx::Font buttonFont() { return gfx::Font::boldSystemFont(19.0); }

}  // namespace

ActionSheet::ActionSheet(std::string title, std::weak_ptr<ActionSheetDelegate> delegate,
                         std::optional<std::string> cancelButtonTitle,
                         std::optional<std::string> destructiveButtonTitle,
                         const std::vector<std::string>& otherButtonTitles)
    : m_delegate(std::move(delegate)) {
    setTitle(std::move(title));
    if (destructiveButtonTitle) {
        m_destructiveButtonIndex = addButtonWithTitle(std::move(*destructiveButtonTitle));
    }
    for (const std::string& other : otherButtonTitles) {
        addButtonWithTitle(other);
    }
    if (cancelButtonTitle) {
        setCancelButtonIndex(addButtonWithTitle(std::move(*cancelButtonTitle)));
    }
}

void ActionSheet::showInView(const std::shared_ptr<View>& view) {
    m_shownInView = view;
    show();
}

double ActionSheet::titleHeight() const {
    return title().empty() ? 10.0
                           : titleFont().sizeOfText(title(), Screen::bounds().width() - 2.0 * kMargin).height + 20.0;
}

Rect ActionSheet::buttonFrame(int index) const {
    return Rect(kMargin, titleHeight() + index * kButtonHeight, Screen::bounds().width() - 2.0 * kMargin,
                kButtonHeight - 8.0);
}

void ActionSheet::layoutForShow() {
    const double height = titleHeight() + numberOfButtons() * kButtonHeight + 10.0;
    setFrame(Rect(0.0, Screen::bounds().height() - height, Screen::bounds().width(), height));
}

void ActionSheet::draw(gfx::BitmapContext& context) const {
    context.fillRect(bounds(), kPanelColor);
    if (!title().empty()) {
        context.drawText(title(), Rect(kMargin, 10.0, Screen::bounds().width() - 2.0 * kMargin, titleHeight() - 20.0),
                         titleFont(), gfx::Color::white(), gfx::TextAlignment::Center, 0);
    }
    for (int index = 0; index < numberOfButtons(); ++index) {
        const Rect button = buttonFrame(index);
        gfx::Color fill = gfx::Color::white(0.95);
        gfx::Color ink = gfx::Color::black();
        if (index == m_destructiveButtonIndex) {
            fill = gfx::Color::rgba(0.85, 0.15, 0.15);
            ink = gfx::Color::white();
        } else if (index == cancelButtonIndex()) {
            fill = gfx::Color::darkGray();
            ink = gfx::Color::white();
        }
        context.fillRect(button, fill);
        context.drawText(buttonTitleAtIndex(index), button, buttonFont(), ink, gfx::TextAlignment::Center);
    }
}

void ActionSheet::clicked(int index) {
    if (auto delegate = m_delegate.lock()) {
        delegate->actionSheetClickedButtonAtIndex(*this, index);
    }
}

void ActionSheet::willDismiss(int index) {
    if (auto delegate = m_delegate.lock()) {
        delegate->actionSheetWillDismissWithButtonIndex(*this, index);
    }
}

void ActionSheet::didDismiss(int index) {
    if (auto delegate = m_delegate.lock()) {
        delegate->actionSheetDidDismissWithButtonIndex(*this, index);
    }
}

}  // namespace platform::ui
