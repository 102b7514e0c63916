#include "resources/artwork/Painter.h"

#include <cairo.h>

#include <algorithm>
#include <numbers>
#include <vector>

#include "platform/gfx/Font.h"

namespace artwork {

Painter::Painter(platform::gfx::BitmapContext& context) : m_context(context), m_cairo(context.cairoContext()) {}

void Painter::setColor(const Color& color) {
    cairo_set_source_rgba(m_cairo, color.red, color.green, color.blue, color.alpha);
}

void Painter::roundedRectPath(double x, double y, double width, double height, double radius) {
    const double r = std::min({radius, width / 2.0, height / 2.0});
    const double pi = std::numbers::pi;
    cairo_new_sub_path(m_cairo);
    cairo_arc(m_cairo, x + width - r, y + r, r, -pi / 2.0, 0.0);
    cairo_arc(m_cairo, x + width - r, y + height - r, r, 0.0, pi / 2.0);
    cairo_arc(m_cairo, x + r, y + height - r, r, pi / 2.0, pi);
    cairo_arc(m_cairo, x + r, y + r, r, pi, 1.5 * pi);
    cairo_close_path(m_cairo);
}

void Painter::fillRoundedRect(double x, double y, double width, double height, double radius, const Color& color) {
    roundedRectPath(x, y, width, height, radius);
    setColor(color);
    cairo_fill(m_cairo);
}

void Painter::strokeRoundedRect(double x, double y, double width, double height, double radius, const Color& color,
                                double lineWidth) {
    roundedRectPath(x, y, width, height, radius);
    setColor(color);
    cairo_set_line_width(m_cairo, lineWidth);
    cairo_stroke(m_cairo);
}

void Painter::fillCircle(double cx, double cy, double radius, const Color& color) {
    cairo_new_sub_path(m_cairo);
    cairo_arc(m_cairo, cx, cy, radius, 0.0, 2.0 * std::numbers::pi);
    setColor(color);
    cairo_fill(m_cairo);
}

void Painter::strokeCircle(double cx, double cy, double radius, const Color& color, double lineWidth) {
    cairo_new_sub_path(m_cairo);
    cairo_arc(m_cairo, cx, cy, radius, 0.0, 2.0 * std::numbers::pi);
    setColor(color);
    cairo_set_line_width(m_cairo, lineWidth);
    cairo_stroke(m_cairo);
}

namespace {

void polylinePath(cairo_t* cairo, std::initializer_list<double> points) {
    const std::vector<double> coordinates(points);
    cairo_new_path(cairo);
    for (std::size_t i = 0; i + 1 < coordinates.size(); i += 2) {
        cairo_line_to(cairo, coordinates[i], coordinates[i + 1]);
    }
}

}  // namespace

void Painter::fillPolygon(std::initializer_list<double> points, const Color& color) {
    polylinePath(m_cairo, points);
    cairo_close_path(m_cairo);
    setColor(color);
    cairo_fill(m_cairo);
}

void Painter::strokePolyline(std::initializer_list<double> points, const Color& color, double lineWidth) {
    polylinePath(m_cairo, points);
    setColor(color);
    cairo_set_line_width(m_cairo, lineWidth);
    cairo_set_line_cap(m_cairo, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(m_cairo, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(m_cairo);
}

void Painter::fillCloud(double x, double y, double width, double height, const Color& color) {
    // Drawn opaque into a group and laid down with the colour's alpha, so the overlaps do not show.
    const Color opaque = color.withAlpha(1.0);
    const double base = y + height * 0.72;
    cairo_push_group(m_cairo);
    fillRoundedRect(x, y + height * 0.45, width, height * 0.55, height * 0.27, opaque);
    fillCircle(x + width * 0.32, base - height * 0.3, height * 0.3, opaque);
    fillCircle(x + width * 0.6, base - height * 0.42, height * 0.42, opaque);
    fillCircle(x + width * 0.82, base - height * 0.18, height * 0.24, opaque);
    cairo_pop_group_to_source(m_cairo);
    cairo_paint_with_alpha(m_cairo, color.alpha);
}

void Painter::fillVerticalGradient(double x, double y, double width, double height, const Color& top,
                                   const Color& bottom) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0.0, y, 0.0, y + height);
    cairo_pattern_add_color_stop_rgba(gradient, 0.0, top.red, top.green, top.blue, top.alpha);
    cairo_pattern_add_color_stop_rgba(gradient, 1.0, bottom.red, bottom.green, bottom.blue, bottom.alpha);
    cairo_rectangle(m_cairo, x, y, width, height);
    cairo_set_source(m_cairo, gradient);
    cairo_fill(m_cairo);
    cairo_pattern_destroy(gradient);
}

void Painter::text(const std::string& text, double x, double y, double width, double height, double size, bool bold,
                   const Color& color) {
    const auto font = bold ? platform::gfx::Font::boldSystemFont(size) : platform::gfx::Font::systemFont(size);
    m_context.drawText(text, platform::gfx::Rect(x, y, width, height), font, color,
                       platform::gfx::TextAlignment::Center);
}

}  // namespace artwork
