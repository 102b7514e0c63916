#include "platform/ui/TextField.h"

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/TextEditing.h"

namespace platform::ui {

void TextField::setText(std::string text) {
    m_text = std::move(text);
    setNeedsDisplay();
}

bool TextField::isClearButtonShown() const {
    if (m_text.empty()) {
        return false;
    }
    switch (m_clearButtonMode) {
        case TextFieldViewMode::Always: return true;
        case TextFieldViewMode::WhileEditing: return m_editing;
        case TextFieldViewMode::UnlessEditing: return !m_editing;
        case TextFieldViewMode::Never: break;
    }
    return false;
}

bool TextField::becomeFirstResponder() {
    if (isFirstResponder()) {
        return true;
    }
    auto delegate = m_delegate.lock();
    if (!canBecomeFirstResponder() || (delegate && !delegate->textFieldShouldBeginEditing(*this))) {
        return false;
    }
    if (!Control::becomeFirstResponder()) {
        return false;
    }
    m_editing = true;
    if (delegate) {
        delegate->textFieldDidBeginEditing(*this);
    }
    sendActionsForControlEvents(kControlEventEditingDidBegin);
    Keyboard::didShow();
    return true;
}

bool TextField::shouldResignFirstResponder() {
    auto delegate = m_delegate.lock();
    return !delegate || delegate->textFieldShouldEndEditing(*this);
}

void TextField::didResignFirstResponder() {
    m_editing = false;
    if (auto delegate = m_delegate.lock()) {
        delegate->textFieldDidEndEditing(*this);
    }
    sendActionsForControlEvents(kControlEventEditingDidEnd);
}

void TextField::typeText(const std::string& characters) {
    if (!becomeFirstResponder()) {
        return;
    }
    auto delegate = m_delegate.lock();
    if (delegate && !delegate->textFieldShouldChangeCharacters(*this, m_text.size(), 0, characters)) {
        return;
    }
    setText(m_text + characters);
    sendActionsForControlEvents(kControlEventEditingChanged);
}

void TextField::deleteBackward() {
    const std::size_t length = lastCharacterLength(m_text);
    if (!m_editing || length == 0) {
        return;
    }
    auto delegate = m_delegate.lock();
    if (delegate && !delegate->textFieldShouldChangeCharacters(*this, m_text.size() - length, length, "")) {
        return;
    }
    setText(m_text.substr(0, m_text.size() - length));
    sendActionsForControlEvents(kControlEventEditingChanged);
}

void TextField::pressReturn() {
    if (!m_editing) {
        return;
    }
    auto delegate = m_delegate.lock();
    if (!delegate || delegate->textFieldShouldReturn(*this)) {
        sendActionsForControlEvents(kControlEventEditingDidEndOnExit);
    }
}

void TextField::tapClearButton() {
    if (!isClearButtonShown()) {
        return;
    }
    auto delegate = m_delegate.lock();
    if (delegate && !delegate->textFieldShouldClear(*this)) {
        return;
    }
    setText({});
    sendActionsForControlEvents(kControlEventEditingChanged);
}

bool TextField::offersTap(const std::string& text) const {
    return !text.empty() && (text == m_text || text == m_placeholder);
}

bool TextField::tapText(const std::string& text) {
    if (text.empty() || (text != m_text && text != m_placeholder) || !isEnabled()) {
        return false;
    }
    becomeFirstResponder();
    return true;
}

void TextField::draw(gfx::BitmapContext& context) const {
    const Rect area = bounds();
    if (m_borderStyle != TextBorderStyle::None) {
        context.fillRect(area, gfx::Color::white());
        context.strokeRect(area, m_editing ? gfx::Color::rgba(0.2, 0.45, 0.85) : gfx::Color::gray());
    }
    const Rect textArea = area.insetBy(6.0, 0.0);
    if (m_text.empty()) {
        context.drawText(m_placeholder, textArea, m_font, gfx::Color::lightGray(), m_textAlignment);
    } else {
        const std::string shown = m_secureTextEntry ? std::string(m_text.size(), '*') : m_text;
        context.drawText(shown, textArea, m_font, m_textColor, m_textAlignment);
    }
}

}  // namespace platform::ui
