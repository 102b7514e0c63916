#pragma once

#include <string>
#include <vector>

#include "platform/gfx/Size.h"

namespace platform::gfx {

// A font by name and size. Every face is drawn with the DejaVu Sans family the system installs (bold when
// the name holds "Bold", the narrower condensed faces when it holds "Condensed"), so measurements are real
// font metrics.
class Font {
public:
    Font() = default;
    Font(std::string name, double pointSize);

    static Font systemFont(double pointSize);
    static Font boldSystemFont(double pointSize);
    // The narrow face, for texts that must fit tight columns.
    static Font condensedSystemFont(double pointSize, bool bold = false);

    const std::string& name() const { return m_name; }
    double pointSize() const { return m_pointSize; }
    bool isBold() const { return m_bold; }
    bool isCondensed() const { return m_condensed; }
    // The family cairo draws with.
    static const char* family();

    // Height of one line (ascent + descent) and the ascent above the baseline.
    double lineHeight() const;
    double ascent() const;
    // Size of the text on one line.
    Size sizeOfText(const std::string& text) const;
    // The text broken into lines no wider than maxWidth, at spaces where possible, inside a word wider than
    // maxWidth otherwise; explicit line ends break too. maxLines 0 means no limit; when the text needs more
    // lines the last one is cut off.
    std::vector<std::string> wrap(const std::string& text, double maxWidth, int maxLines = 0) const;
    // Size of the wrapped text (widest line, lines x line height).
    Size sizeOfText(const std::string& text, double maxWidth, int maxLines = 0) const;

    friend bool operator==(const Font&, const Font&) = default;

private:
    std::string m_name = "System";
    double m_pointSize = 17.0;
    bool m_bold = false;
    bool m_condensed = false;
};

}  // namespace platform::gfx
