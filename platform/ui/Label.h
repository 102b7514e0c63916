#pragma once

#include <string>

#include "platform/gfx/Font.h"
#include "platform/gfx/TextAlignment.h"
#include "platform/ui/View.h"

namespace platform::ui {

enum class LineBreakMode { WordWrap = 0, CharacterWrap, Clip, HeadTruncation, TailTruncation, MiddleTruncation };

// Read-only text in one font and colour.
class Label : public View {
public:
    using View::View;

    std::string text() const override { return m_text; }
    void setText(std::string text);
    const gfx::Font& font() const { return m_font; }
    void setFont(const gfx::Font& font);
    const gfx::Color& textColor() const { return m_textColor; }
    void setTextColor(const gfx::Color& color);
    gfx::TextAlignment textAlignment() const { return m_textAlignment; }
    void setTextAlignment(gfx::TextAlignment alignment);
    // 0 means as many lines as the text needs.
    int numberOfLines() const { return m_numberOfLines; }
    void setNumberOfLines(int lines);
    LineBreakMode lineBreakMode() const { return m_lineBreakMode; }
    void setLineBreakMode(LineBreakMode mode) { m_lineBreakMode = mode; }

    // The text's size in the label's font and lines within the given width.
    Size sizeThatFits(Size size) const override;
    void draw(gfx::BitmapContext& context) const override;
    // Adds the text colour ("color #RRGGBB", or "#RRGGBBAA" when not opaque).
    std::vector<std::string> dumpState() const override;

private:
    std::string m_text;
    gfx::Font m_font = gfx::Font::systemFont(17.0);
    gfx::Color m_textColor = gfx::Color::black();
    gfx::TextAlignment m_textAlignment = gfx::TextAlignment::Left;
    int m_numberOfLines = 1;
    LineBreakMode m_lineBreakMode = LineBreakMode::TailTruncation;
};

}  // namespace platform::ui
