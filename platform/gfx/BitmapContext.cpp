#include "platform/gfx/BitmapContext.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <cairo.h>

#include "platform/gfx/CairoText.h"
#include "platform/gfx/FontFace.h"

namespace platform::gfx {

namespace {

void setColor(cairo_t* cairo, const Color& color) {
    cairo_set_source_rgba(cairo, color.red, color.green, color.blue, color.alpha);
}

// Adds the line through the points to the current path, as a new sub-path.
void addLine(cairo_t* cairo, const std::vector<Point>& points) {
    cairo_move_to(cairo, points.front().x, points.front().y);
    for (const Point& point : points) {
        cairo_line_to(cairo, point.x, point.y);
    }
}

// Adds the ellipse inscribed in the rect to the current path.
void addEllipse(cairo_t* cairo, const Rect& rect) {
    cairo_save(cairo);
    cairo_translate(cairo, rect.midX(), rect.midY());
    cairo_scale(cairo, rect.width() / 2.0, rect.height() / 2.0);
    cairo_new_sub_path(cairo);
    cairo_arc(cairo, 0.0, 0.0, 1.0, 0.0, 2.0 * std::numbers::pi);
    cairo_restore(cairo);
}

// The line shortened (by whole UTF-8 characters) until it fits the width with an ellipsis after it.
std::string truncated(std::string line, const Font& font, double width) {
    constexpr const char* kEllipsis = "\u2026";
    while (!line.empty() && font.sizeOfText(line + kEllipsis).width > width) {
        std::size_t start = line.size() - 1;  // where the last character begins
        while (start > 0 && (static_cast<unsigned char>(line[start]) & 0xC0) == 0x80) {
            --start;
        }
        line.erase(start);
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line + kEllipsis;
}

}  // namespace

BitmapContext::BitmapContext(int width, int height)
    : m_width(std::max(width, 1)),
      m_height(std::max(height, 1)),
      m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, m_width, m_height)),
      m_cairo(cairo_create(m_surface)) {}

BitmapContext::~BitmapContext() {
    cairo_destroy(m_cairo);
    cairo_surface_destroy(m_surface);
}

void BitmapContext::save() { cairo_save(m_cairo); }

void BitmapContext::restore() { cairo_restore(m_cairo); }

void BitmapContext::translate(double dx, double dy) { cairo_translate(m_cairo, dx, dy); }

void BitmapContext::rotate(double radians) { cairo_rotate(m_cairo, radians); }

void BitmapContext::scale(double factor) { cairo_scale(m_cairo, factor, factor); }

void BitmapContext::scale(double sx, double sy) { cairo_scale(m_cairo, sx, sy); }

void BitmapContext::clip(const Rect& rect) {
    cairo_rectangle(m_cairo, rect.x(), rect.y(), rect.width(), rect.height());
    cairo_clip(m_cairo);
}

void BitmapContext::clipRoundedRect(const Rect& rect, double radius) {
    const double r = std::clamp(radius, 0.0, std::min(rect.width(), rect.height()) / 2.0);
    cairo_new_path(m_cairo);
    cairo_arc(m_cairo, rect.x() + rect.width() - r, rect.y() + r, r, -std::numbers::pi / 2.0, 0.0);
    cairo_arc(m_cairo, rect.x() + rect.width() - r, rect.y() + rect.height() - r, r, 0.0, std::numbers::pi / 2.0);
    cairo_arc(m_cairo, rect.x() + r, rect.y() + rect.height() - r, r, std::numbers::pi / 2.0, std::numbers::pi);
    cairo_arc(m_cairo, rect.x() + r, rect.y() + r, r, std::numbers::pi, 3.0 * std::numbers::pi / 2.0);
    cairo_close_path(m_cairo);
    cairo_clip(m_cairo);
}

void BitmapContext::beginLayer() { cairo_push_group(m_cairo); }

void BitmapContext::endLayer(double alpha) {
    cairo_pop_group_to_source(m_cairo);
    cairo_paint_with_alpha(m_cairo, std::clamp(alpha, 0.0, 1.0));
}

void BitmapContext::fillRect(const Rect& rect, const Color& color) {
    setColor(m_cairo, color);
    cairo_rectangle(m_cairo, rect.x(), rect.y(), rect.width(), rect.height());
    cairo_fill(m_cairo);
}

void BitmapContext::strokeRect(const Rect& rect, const Color& color, double lineWidth) {
    setColor(m_cairo, color);
    cairo_set_line_width(m_cairo, lineWidth);
    const double half = lineWidth / 2.0;
    cairo_rectangle(m_cairo, rect.x() + half, rect.y() + half, rect.width() - lineWidth, rect.height() - lineWidth);
    cairo_stroke(m_cairo);
}

void BitmapContext::fillEllipse(const Rect& rect, const Color& color) {
    if (rect.isEmpty()) {
        return;
    }
    setColor(m_cairo, color);
    addEllipse(m_cairo, rect);
    cairo_fill(m_cairo);
}

void BitmapContext::strokeEllipse(const Rect& rect, const Color& color, double lineWidth) {
    if (rect.isEmpty()) {
        return;
    }
    setColor(m_cairo, color);
    addEllipse(m_cairo, rect);
    cairo_set_line_width(m_cairo, lineWidth);
    cairo_stroke(m_cairo);
}

void BitmapContext::strokePolylines(const std::vector<std::vector<Point>>& lines, const Color& color,
                                    double lineWidth) {
    for (const auto& line : lines) {
        if (line.size() >= 2) {
            addLine(m_cairo, line);
        }
    }
    setColor(m_cairo, color);
    cairo_set_line_width(m_cairo, lineWidth);
    cairo_stroke(m_cairo);
}

void BitmapContext::fillPolygons(const std::vector<std::vector<Point>>& polygons, const Color& color) {
    setColor(m_cairo, color);
    // Without smoothing, polygons that share an edge cover each pixel along it exactly once, leaving no seam.
    cairo_set_antialias(m_cairo, CAIRO_ANTIALIAS_NONE);
    for (const auto& polygon : polygons) {
        if (polygon.size() >= 3) {
            addLine(m_cairo, polygon);
            cairo_close_path(m_cairo);
            cairo_fill(m_cairo);
        }
    }
    cairo_set_antialias(m_cairo, CAIRO_ANTIALIAS_DEFAULT);
}

void BitmapContext::strokeLine(Point from, Point to, const Color& color, double lineWidth) {
    setColor(m_cairo, color);
    cairo_set_line_width(m_cairo, lineWidth);
    cairo_move_to(m_cairo, from.x, from.y);
    cairo_line_to(m_cairo, to.x, to.y);
    cairo_stroke(m_cairo);
}

void BitmapContext::drawImage(const Image& image, const Rect& rect, double alpha) {
    if (rect.isEmpty() || image.width() <= 0 || image.height() <= 0) {
        return;
    }
    cairo_save(m_cairo);
    cairo_rectangle(m_cairo, rect.x(), rect.y(), rect.width(), rect.height());
    cairo_clip(m_cairo);
    cairo_translate(m_cairo, rect.x(), rect.y());
    cairo_scale(m_cairo, rect.width() / image.width(), rect.height() / image.height());
    cairo_set_source_surface(m_cairo, image.surface(), 0.0, 0.0);
    cairo_pattern_set_filter(cairo_get_source(m_cairo), CAIRO_FILTER_GOOD);
    // Scaled edges keep the image's own edge pixels instead of fading into what lies outside it, so images
    // drawn side by side (map tiles) meet without a seam.
    cairo_pattern_set_extend(cairo_get_source(m_cairo), CAIRO_EXTEND_PAD);
    cairo_paint_with_alpha(m_cairo, std::clamp(alpha, 0.0, 1.0));
    cairo_restore(m_cairo);
}

void BitmapContext::copyImage(const Image& image, Point origin) {
    cairo_save(m_cairo);
    cairo_rectangle(m_cairo, origin.x, origin.y, image.width(), image.height());
    cairo_clip(m_cairo);
    cairo_set_operator(m_cairo, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(m_cairo, image.surface(), origin.x, origin.y);
    cairo_paint(m_cairo);
    cairo_restore(m_cairo);
}

void BitmapContext::drawImage(const Image& image, Point origin, double alpha) {
    drawImage(image, Rect(origin.x, origin.y, image.width(), image.height()), alpha);
}

void BitmapContext::drawText(const std::string& text, const Rect& rect, const Font& font, const Color& color,
                             TextAlignment alignment, int maxLines, bool truncateTail) {
    if (text.empty() || rect.isEmpty()) {
        return;
    }
    const double lineHeight = font.lineHeight();
    const int fitting = std::max(1, static_cast<int>(std::floor(rect.height() / lineHeight + 0.01)));
    const int limit = maxLines > 0 ? std::min(maxLines, fitting) : fitting;
    // One line is never wrapped: it runs on until it is truncated or clipped.
    std::vector<std::string> lines =
        limit == 1 ? std::vector<std::string>{text.substr(0, text.find('\n'))} : font.wrap(text, rect.width());
    const bool cut =
        lines.size() > static_cast<std::size_t>(limit) || (limit == 1 && text.find('\n') != std::string::npos);
    if (cut) {
        lines.resize(static_cast<std::size_t>(limit));
    }
    if (truncateTail && (cut || font.sizeOfText(lines.back()).width > rect.width())) {
        lines.back() = truncated(lines.back(), font, rect.width());
    }
    const double ascent = font.ascent();
    double y = rect.y() + (rect.height() - lineHeight * static_cast<double>(lines.size())) / 2.0;

    cairo_save(m_cairo);
    cairo_rectangle(m_cairo, rect.x(), rect.y(), rect.width(), rect.height());
    cairo_clip(m_cairo);
    FontFace::select(m_cairo, font);
    setColor(m_cairo, color);
    std::string scratch;
    for (const std::string& line : lines) {
        const char* shown = cairoText(line, scratch);
        cairo_text_extents_t extents;
        cairo_text_extents(m_cairo, shown, &extents);
        double x = rect.x();
        if (alignment == TextAlignment::Center) {
            x = rect.midX() - extents.x_advance / 2.0;
        } else if (alignment == TextAlignment::Right) {
            x = rect.maxX() - extents.x_advance;
        }
        cairo_move_to(m_cairo, x, y + ascent);
        cairo_show_text(m_cairo, shown);
        y += lineHeight;
    }
    cairo_restore(m_cairo);
}

std::shared_ptr<Image> BitmapContext::makeImage() const {
    cairo_surface_flush(m_surface);
    cairo_surface_t* copy = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, m_width, m_height);
    cairo_t* cairo = cairo_create(copy);
    cairo_set_operator(cairo, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cairo, m_surface, 0.0, 0.0);
    cairo_paint(cairo);
    cairo_destroy(cairo);
    return Image::adopt(copy);
}

std::shared_ptr<Image> BitmapContext::takeImage() {
    cairo_surface_flush(m_surface);
    cairo_destroy(m_cairo);
    auto image = Image::adopt(m_surface);
    m_surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, m_width, m_height);
    m_cairo = cairo_create(m_surface);
    return image;
}

}  // namespace platform::gfx
