#include "platform/ui/AlertView.h"

#include "platform/gfx/BitmapContext.h"
#include "platform/gfx/Font.h"
#include "platform/ui/Screen.h"

namespace platform::ui {

namespace {

constexpr double kMargin = 12.0;
constexpr double kButtonHeight = 43.0;
constexpr gfx::Color kPanelColor = gfx::Color::rgba(0.05, 0.12, 0.35, 0.92);
constexpr gfx::Color kButtonColor = gfx::Color::rgba(0.35, 0.45, 0.65);

// Fonts are made where they are used: a Font constant would run its destructor at exit.
gfx::Font titleFont() { return gfx::Font::boldSystemFont(17.0); }
gfx::Font messageFont() { return gfx::Font::systemFont(15.0); }

}  // namespace

AlertView::AlertView(std::string title, std::string message, std::weak_ptr<AlertViewDelegate> delegate,
                     std::optional<std::string> cancelButtonTitle, const std::vector<std::string>& otherButtonTitles)
    : m_message(std::move(message)), m_delegate(std::move(delegate)) {
    setTitle(std::move(title));
    if (cancelButtonTitle) {
        setCancelButtonIndex(addButtonWithTitle(std::move(*cancelButtonTitle)));
    }
    for (const std::string& other : otherButtonTitles) {
        addButtonWithTitle(other);
    }
}

int AlertView::firstOtherButtonIndex() const {
    for (int index = 0; index < numberOfButtons(); ++index) {
        if (index != cancelButtonIndex()) {
            return index;
        }
    }
    return -1;
}

double AlertView::textHeight() const {
    const double width = kWidth - 2.0 * kMargin;
    double height = kMargin;
    if (!title().empty()) {
        height += titleFont().sizeOfText(title(), width).height + 4.0;
    }
    if (!m_message.empty()) {
        height += messageFont().sizeOfText(m_message, width).height + 4.0;
    }
    return height;
}

Rect AlertView::buttonFrame(int index) const {
    const double top = textHeight() + 8.0;
    const double width = kWidth - 2.0 * kMargin;
    if (numberOfButtons() == 2) {
        const double half = (width - kMargin) / 2.0;
        return Rect(kMargin + index * (half + kMargin), top, half, kButtonHeight - 6.0);
    }
    return Rect(kMargin, top + index * kButtonHeight, width, kButtonHeight - 6.0);
}

void AlertView::layoutForShow() {
    const int rows = numberOfButtons() == 2 ? 1 : numberOfButtons();
    const double height = textHeight() + 8.0 + rows * kButtonHeight + kMargin;
    const Rect screen = Screen::bounds();
    setFrame(Rect(screen.midX() - kWidth / 2.0, screen.midY() - height / 2.0, kWidth, height));
}

void AlertView::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    context.fillRect(area, kPanelColor);
    context.strokeRect(area, gfx::Color::white(1.0, 0.8), 2.0);
    const double width = kWidth - 2.0 * kMargin;
    double y = kMargin;
    if (!title().empty()) {
        const double height = titleFont().sizeOfText(title(), width).height;
        context.drawText(title(), Rect(kMargin, y, width, height), titleFont(), gfx::Color::white(),
                         gfx::TextAlignment::Center, 0);
        y += height + 4.0;
    }
    if (!m_message.empty()) {
        const double height = messageFont().sizeOfText(m_message, width).height;
        context.drawText(m_message, Rect(kMargin, y, width, height), messageFont(), gfx::Color::white(),
                         gfx::TextAlignment::Center, 0);
    }
    for (int index = 0; index < numberOfButtons(); ++index) {
        const Rect button = buttonFrame(index);
        context.fillRect(button, kButtonColor);
        context.strokeRect(button, gfx::Color::white(1.0, 0.6));
        context.drawText(buttonTitleAtIndex(index), button, titleFont(), gfx::Color::white(),
                         gfx::TextAlignment::Center);
    }
}

void AlertView::clicked(int index) {
    if (auto delegate = m_delegate.lock()) {
        delegate->alertViewClickedButtonAtIndex(*this, index);
    }
}

void AlertView::willDismiss(int index) {
    if (auto delegate = m_delegate.lock()) {
        delegate->alertViewWillDismissWithButtonIndex(*this, index);
    }
}

void AlertView::didDismiss(int index) {
    if (auto delegate = m_delegate.lock()) {
        delegate->alertViewDidDismissWithButtonIndex(*this, index);
    }
}

}  // namespace platform::ui
