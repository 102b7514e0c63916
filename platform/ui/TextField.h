#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Font.h"
#include "platform/gfx/TextAlignment.h"
#include "platform/ui/Control.h"
#include "platform/ui/TextFieldDelegate.h"
#include "platform/ui/TextInputTraits.h"

namespace platform::ui {

// One line of editable text. Editing begins when the field becomes first responder (if the delegate
// agrees) and ends when it resigns. typeText(), pressReturn() and tapClearButton() are the user's keys.
// The delegate is not retained.
class TextField : public Control {
public:
    using Control::Control;

    std::string text() const override { return m_text; }
    // From code: no delegate question, no action.
    void setText(std::string text);
    const std::string& placeholder() const { return m_placeholder; }
    void setPlaceholder(std::string placeholder) { m_placeholder = std::move(placeholder); }
    const gfx::Font& font() const { return m_font; }
    void setFont(const gfx::Font& font) { m_font = font; }
    const gfx::Color& textColor() const { return m_textColor; }
    void setTextColor(const gfx::Color& color) { m_textColor = color; }
    gfx::TextAlignment textAlignment() const { return m_textAlignment; }
    void setTextAlignment(gfx::TextAlignment alignment) { m_textAlignment = alignment; }
    TextBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TextBorderStyle style) { m_borderStyle = style; }
    TextFieldViewMode clearButtonMode() const { return m_clearButtonMode; }
    void setClearButtonMode(TextFieldViewMode mode) { m_clearButtonMode = mode; }
    ReturnKeyType returnKeyType() const { return m_returnKeyType; }
    void setReturnKeyType(ReturnKeyType type) { m_returnKeyType = type; }
    KeyboardType keyboardType() const { return m_keyboardType; }
    void setKeyboardType(KeyboardType type) { m_keyboardType = type; }
    bool isSecureTextEntry() const { return m_secureTextEntry; }
    void setSecureTextEntry(bool secure) { m_secureTextEntry = secure; }
    std::shared_ptr<TextFieldDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<TextFieldDelegate> delegate) { m_delegate = std::move(delegate); }
    bool isEditing() const { return m_editing; }
    // Whether the clear button shows now.
    bool isClearButtonShown() const;

    bool canBecomeFirstResponder() const override { return isEnabled(); }
    bool becomeFirstResponder() override;

    // The user types: editing begins if needed, the delegate may refuse, then editing-changed is sent.
    void typeText(const std::string& characters);
    // The return key: when the delegate agrees, editing-did-end-on-exit is sent.
    void pressReturn();
    // The backspace key: removes the last character, when the delegate agrees (editing-changed is sent).
    void deleteBackward();
    // The clear button: when shown and the delegate agrees, the text empties (editing-changed).
    void tapClearButton();

    // A tap on the field (by its text or placeholder) starts editing.
    bool tapText(const std::string& text) override;
    bool offersTap(const std::string& text) const override;
    void draw(gfx::BitmapContext& context) const override;

protected:
    bool shouldResignFirstResponder() override;
    void didResignFirstResponder() override;

private:
    std::string m_text;
    std::string m_placeholder;
    gfx::Font m_font = gfx::Font::systemFont(17.0);
    gfx::Color m_textColor = gfx::Color::black();
    gfx::TextAlignment m_textAlignment = gfx::TextAlignment::Left;
    TextBorderStyle m_borderStyle = TextBorderStyle::None;
    TextFieldViewMode m_clearButtonMode = TextFieldViewMode::Never;
    ReturnKeyType m_returnKeyType = ReturnKeyType::Default;
    KeyboardType m_keyboardType = KeyboardType::Default;
    bool m_secureTextEntry = false;
    bool m_editing = false;
    std::weak_ptr<TextFieldDelegate> m_delegate;
};

}  // namespace platform::ui
