#include "platform/ui/SearchBar.h"

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/SearchDisplayController.h"
#include "platform/ui/TextEditing.h"

namespace platform::ui {

namespace {

constexpr double kCancelWidth = 60.0;
constexpr double kMargin = 6.0;      // around the field and the cancel button, across the bar
constexpr double kFieldInset = 7.0;  // above and below the field and the cancel button

// Fonts are made where they are used: a Font constant would run its destructor at exit.
gfx::Font fieldFont() { return gfx::Font::systemFont(14.0); }

}  // namespace

void SearchBar::setText(std::string text) {
    m_text = std::move(text);
    setNeedsDisplay();
}

void SearchBar::setShowsCancelButton(bool shows, bool) {
    m_showsCancelButton = shows;
    setNeedsDisplay();
}

bool SearchBar::becomeFirstResponder() {
    if (isFirstResponder()) {
        return true;
    }
    auto delegate = m_delegate.lock();
    if (delegate && !delegate->searchBarShouldBeginEditing(*this)) {
        return false;
    }
    if (!View::becomeFirstResponder()) {
        return false;
    }
    if ((delegate = m_delegate.lock())) {
        delegate->searchBarTextDidBeginEditing(*this);
    }
    Keyboard::didShow();
    if (auto controller = m_displayController.lock()) {
        controller->setActive(true, true);
    }
    return true;
}

bool SearchBar::shouldResignFirstResponder() {
    auto delegate = m_delegate.lock();
    return !delegate || delegate->searchBarShouldEndEditing(*this);
}

void SearchBar::didResignFirstResponder() {
    if (auto delegate = m_delegate.lock()) {
        delegate->searchBarTextDidEndEditing(*this);
    }
}

void SearchBar::typeText(const std::string& characters) {
    if (!becomeFirstResponder()) {
        return;
    }
    setText(m_text + characters);
    textDidChange();
}

void SearchBar::textDidChange() {
    if (auto delegate = m_delegate.lock()) {
        delegate->searchBarTextDidChange(*this, m_text);
    }
    if (auto controller = m_displayController.lock()) {
        controller->searchTextDidChange();
    }
}

void SearchBar::deleteBackward() {
    const std::size_t length = lastCharacterLength(m_text);
    if (!isFirstResponder() || length == 0) {
        return;
    }
    setText(m_text.substr(0, m_text.size() - length));
    textDidChange();
}

void SearchBar::pressSearch() {
    if (auto delegate = m_delegate.lock()) {
        delegate->searchBarSearchButtonClicked(*this);
    }
}

void SearchBar::pressCancel() {
    if (!m_showsCancelButton) {
        return;
    }
    if (auto delegate = m_delegate.lock()) {
        delegate->searchBarCancelButtonClicked(*this);
    }
    if (auto controller = m_displayController.lock()) {
        controller->setActive(false, true);
    }
}

Rect SearchBar::cancelButtonFrame() const {
    if (!m_showsCancelButton) {
        return Rect();
    }
    const Rect area = bounds();
    return Rect(area.maxX() - kMargin - kCancelWidth, area.y() + kFieldInset, kCancelWidth,
                area.height() - 2.0 * kFieldInset);
}

std::string SearchBar::textAt(Point point) const {
    const Rect button = cancelButtonFrame();
    if (m_showsCancelButton && button.insetBy(-kMargin, -kFieldInset).contains(point)) {
        return kCancelTitle;
    }
    return m_text.empty() ? m_placeholder : m_text;
}

bool SearchBar::offersTap(const std::string& text) const {
    return !text.empty() && ((m_showsCancelButton && text == kCancelTitle) || text == m_text || text == m_placeholder);
}

bool SearchBar::tapText(const std::string& text) {
    if (m_showsCancelButton && text == kCancelTitle) {
        pressCancel();
        return true;
    }
    if (text == m_text || text == m_placeholder) {
        becomeFirstResponder();
        return true;
    }
    return false;
}

void SearchBar::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    if (m_backgroundImage) {
        m_backgroundImage->drawInRect(context, area);
    } else {
        context.fillRect(area, m_barStyle == BarStyle::Default ? m_tintColor : gfx::Color::white(0.1));
    }
    const double cancel = m_showsCancelButton ? kCancelWidth + kMargin : 0.0;
    const Rect field(kMargin, kFieldInset, area.width() - 2.0 * kMargin - cancel, area.height() - 2.0 * kFieldInset);
    context.fillRect(field, gfx::Color::white());
    context.strokeRect(field, gfx::Color::gray());
    const Rect textArea = field.insetBy(8.0, 0.0);
    if (m_text.empty()) {
        context.drawText(m_placeholder, textArea, fieldFont(), gfx::Color::lightGray());
    } else {
        context.drawText(m_text, textArea, fieldFont(), gfx::Color::black());
    }
    if (m_showsCancelButton) {
        const Rect button = cancelButtonFrame();
        context.fillRect(button, gfx::Color::white(0.2, 0.45));
        context.drawText(kCancelTitle, button, gfx::Font::boldSystemFont(12.0), gfx::Color::white(),
                         gfx::TextAlignment::Center);
    }
}

}  // namespace platform::ui
