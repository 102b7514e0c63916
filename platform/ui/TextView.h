#pragma once

#include <string>

#include "platform/gfx/Font.h"
#include "platform/ui/ScrollView.h"

namespace platform::ui {

// Several lines of text, editable unless told otherwise; typeText() is the user's keyboard.
class TextView : public ScrollView {
public:
    using ScrollView::ScrollView;

    std::string text() const override { return m_text; }
    void setText(std::string text);
    const gfx::Font& font() const { return m_font; }
    void setFont(const gfx::Font& font) { m_font = font; }
    const gfx::Color& textColor() const { return m_textColor; }
    void setTextColor(const gfx::Color& color) { m_textColor = color; }
    bool isEditable() const { return m_editable; }
    void setEditable(bool editable) { m_editable = editable; }

    bool canBecomeFirstResponder() const override { return m_editable; }
    // Appends the characters when editable (becoming first responder first).
    void typeText(const std::string& characters);
    // The backspace key: removes the last character.
    void deleteBackward();

    void draw(gfx::BitmapContext& context) const override;

private:
    std::string m_text;
    gfx::Font m_font = gfx::Font::systemFont(17.0);
    gfx::Color m_textColor = gfx::Color::black();
    bool m_editable = true;
};

}  // namespace platform::ui
