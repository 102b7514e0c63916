#pragma once

#include <string>

#include "platform/gfx/BitmapContext.h"
#include "platform/gfx/Color.h"

namespace artwork {

using platform::gfx::Color;

// Drawing helpers over a bitmap context: filled and stroked shapes in one colour, gradients and text.
// Coordinates are pixels from the top-left corner.
class Painter {
public:
    explicit Painter(platform::gfx::BitmapContext& context);

    platform::gfx::BitmapContext& context() { return m_context; }
    cairo_t* cairo() { return m_cairo; }
    int width() const { return m_context.width(); }
    int height() const { return m_context.height(); }

    void fillRoundedRect(double x, double y, double width, double height, double radius, const Color& color);
    void strokeRoundedRect(double x, double y, double width, double height, double radius, const Color& color,
                           double lineWidth);
    void fillCircle(double cx, double cy, double radius, const Color& color);
    void strokeCircle(double cx, double cy, double radius, const Color& color, double lineWidth);
    // A closed polygon through the points (x0, y0, x1, y1, ...).
    void fillPolygon(std::initializer_list<double> points, const Color& color);
    void strokePolyline(std::initializer_list<double> points, const Color& color, double lineWidth);
    // A cloud of three overlapping circles on a flat base inside the box.
    void fillCloud(double x, double y, double width, double height, const Color& color);
    // A vertical gradient over the rectangle.
    void fillVerticalGradient(double x, double y, double width, double height, const Color& top, const Color& bottom);
    void text(const std::string& text, double x, double y, double width, double height, double size, bool bold,
              const Color& color);

    // Sets the current colour of the cairo context.
    void setColor(const Color& color);

private:
    void roundedRectPath(double x, double y, double width, double height, double radius);

    platform::gfx::BitmapContext& m_context;
    cairo_t* m_cairo;
};

}  // namespace artwork
