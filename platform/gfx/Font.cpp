#include "platform/gfx/Font.h"

#include <algorithm>
#include <mutex>

#include <cairo.h>

#include "platform/base/ProcessInstance.h"
#include "platform/gfx/CairoText.h"
#include "platform/gfx/FontFace.h"

namespace platform::gfx {

namespace {

// One scratch context for measuring, shared by every thread under a lock.
struct Measurer {
    std::mutex mutex;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cairo = cairo_create(surface);
    ~Measurer() {
        cairo_destroy(cairo);
        cairo_surface_destroy(surface);
    }
};

Measurer& measurer() {
    static NeverDestroyed<Measurer> instance;
    return *instance;
}

void selectFont(cairo_t* cairo, const Font& font) { FontFace::select(cairo, font); }

double widthOf(cairo_t* cairo, const std::string& text) {
    cairo_text_extents_t extents;
    std::string scratch;
    cairo_text_extents(cairo, cairoText(text, scratch), &extents);
    return extents.x_advance;
}

void splitLines(const std::string& text, std::vector<std::string>& paragraphs) {
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        paragraphs.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            return;
        }
        start = end + 1;
    }
}

// Moves the leading pieces of a line wider than maxWidth to lines, each as many whole UTF-8 characters as fit
// (at least one), and leaves the rest in line: a word longer than the width wraps instead of running out.
void breakWideLine(cairo_t* cairo, std::string& line, double maxWidth, std::vector<std::string>& lines) {
    const auto nextCharacter = [&line](std::size_t at) {
        do {
            ++at;
        } while (at < line.size() && (static_cast<unsigned char>(line[at]) & 0xC0U) == 0x80U);
        return at;
    };
    while (!line.empty() && widthOf(cairo, line) > maxWidth) {
        std::size_t fits = nextCharacter(0);
        for (std::size_t next = nextCharacter(fits);
             next < line.size() && widthOf(cairo, line.substr(0, next)) <= maxWidth; next = nextCharacter(next)) {
            fits = next;
        }
        if (fits >= line.size()) {
            return;
        }
        lines.push_back(line.substr(0, fits));
        line.erase(0, fits);
    }
}

}  // namespace

Font::Font(std::string name, double pointSize)
    : m_name(std::move(name)),
      m_pointSize(pointSize > 0.0 ? pointSize : 17.0),
      m_bold(m_name.find("Bold") != std::string::npos),
      m_condensed(m_name.find("Condensed") != std::string::npos) {}

Font Font::systemFont(double pointSize) { return Font("System", pointSize); }

Font Font::boldSystemFont(double pointSize) { return Font("System-Bold", pointSize); }

Font Font::condensedSystemFont(double pointSize, bool bold) {
    return Font(bold ? "System-CondensedBold" : "System-Condensed", pointSize);
}

const char* Font::family() { return "DejaVu Sans"; }

double Font::lineHeight() const {
    Measurer& shared = measurer();
    std::lock_guard lock(shared.mutex);
    selectFont(shared.cairo, *this);
    cairo_font_extents_t extents;
    cairo_font_extents(shared.cairo, &extents);
    return extents.ascent + extents.descent;
}

double Font::ascent() const {
    Measurer& shared = measurer();
    std::lock_guard lock(shared.mutex);
    selectFont(shared.cairo, *this);
    cairo_font_extents_t extents;
    cairo_font_extents(shared.cairo, &extents);
    return extents.ascent;
}

Size Font::sizeOfText(const std::string& text) const {
    double width = 0.0;
    {
        Measurer& shared = measurer();
        std::lock_guard lock(shared.mutex);
        selectFont(shared.cairo, *this);
        width = widthOf(shared.cairo, text);
    }
    return Size{width, lineHeight()};
}

std::vector<std::string> Font::wrap(const std::string& text, double maxWidth, int maxLines) const {
    std::vector<std::string> paragraphs;
    splitLines(text, paragraphs);
    std::vector<std::string> lines;
    Measurer& shared = measurer();
    std::lock_guard lock(shared.mutex);
    selectFont(shared.cairo, *this);
    for (const std::string& paragraph : paragraphs) {
        std::string line;
        std::size_t position = 0;
        while (position <= paragraph.size()) {
            std::size_t space = paragraph.find(' ', position);
            const std::string word =
                paragraph.substr(position, space == std::string::npos ? std::string::npos : space - position);
            const std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && widthOf(shared.cairo, candidate) > maxWidth) {
                lines.push_back(line);
                line = word;
                breakWideLine(shared.cairo, line, maxWidth, lines);
            } else {
                line = candidate;
                if (line == word) {
                    breakWideLine(shared.cairo, line, maxWidth, lines);
                }
            }
            if (space == std::string::npos) {
                break;
            }
            position = space + 1;
        }
        lines.push_back(line);
    }
    if (maxLines > 0 && lines.size() > static_cast<std::size_t>(maxLines)) {
        lines.resize(static_cast<std::size_t>(maxLines));
    }
    return lines;
}

Size Font::sizeOfText(const std::string& text, double maxWidth, int maxLines) const {
    const std::vector<std::string> lines = wrap(text, maxWidth, maxLines);
    double width = 0.0;
    for (const std::string& line : lines) {
        width = std::max(width, sizeOfText(line).width);
    }
    return Size{std::min(width, maxWidth), lineHeight() * static_cast<double>(lines.size())};
}

}  // namespace platform::gfx
