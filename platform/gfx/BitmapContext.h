#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Image.h"
#include "platform/gfx/Rect.h"
#include "platform/gfx/TextAlignment.h"

typedef struct _cairo cairo_t;

namespace platform::gfx {

// A drawing context over a transparent 32-bit bitmap of the given pixel size, one pixel per point.
// Drawing calls work in the current coordinate system (see translate, rotate, clip, save and restore).
class BitmapContext {
public:
    BitmapContext(int width, int height);
    ~BitmapContext();
    BitmapContext(const BitmapContext&) = delete;
    BitmapContext& operator=(const BitmapContext&) = delete;

    int width() const { return m_width; }
    int height() const { return m_height; }

    void save();
    void restore();
    void translate(double dx, double dy);
    void rotate(double radians);
    // Scales what is drawn afterwards by factor in both directions (a picture for a denser display).
    void scale(double factor);
    void scale(double sx, double sy);
    void clip(const Rect& rect);
    // Clips to the rect with its corners rounded by the radius (at most half the shorter side).
    void clipRoundedRect(const Rect& rect, double radius);

    // Everything drawn between beginLayer() and endLayer() is composited at once with the given alpha.
    void beginLayer();
    void endLayer(double alpha);

    void fillRect(const Rect& rect, const Color& color);
    void strokeRect(const Rect& rect, const Color& color, double lineWidth = 1.0);
    void fillEllipse(const Rect& rect, const Color& color);
    void strokeEllipse(const Rect& rect, const Color& color, double lineWidth = 1.0);
    // Fills each closed polygon (their union), without smoothing the edges.
    void fillPolygons(const std::vector<std::vector<Point>>& polygons, const Color& color);
    void strokeLine(Point from, Point to, const Color& color, double lineWidth = 1.0);
    // Strokes each open line of points.
    void strokePolylines(const std::vector<std::vector<Point>>& lines, const Color& color, double lineWidth = 1.0);

    // Draws the image scaled into rect with the given alpha (0 to 1).
    void drawImage(const Image& image, const Rect& rect, double alpha = 1.0);
    // Draws the image at its pixel size with its top-left corner at the point.
    void drawImage(const Image& image, Point origin, double alpha = 1.0);
    // Puts the image's pixels in place of what lies under it (no blending), at its pixel size with its top-left
    // corner at the point: a copy, for pictures laid side by side.
    void copyImage(const Image& image, Point origin);

    // Draws text wrapped into rect (no limit when maxLines is 0), vertically centred; lines that do not
    // fit are left out, and with truncateTail the last line shown then ends in an ellipsis.
    void drawText(const std::string& text, const Rect& rect, const Font& font, const Color& color,
                  TextAlignment alignment = TextAlignment::Left, int maxLines = 1, bool truncateTail = true);

    // The cairo context underneath, for drawing paths the calls above do not offer (build-time artwork).
    cairo_t* cairoContext() const { return m_cairo; }

    // A snapshot of the bitmap as it is now.
    std::shared_ptr<Image> makeImage() const;
    // The picture drawn so far without copying it; the context then starts again from a clear canvas.
    std::shared_ptr<Image> takeImage();

private:
    int m_width;
    int m_height;
    cairo_surface_t* m_surface;
    cairo_t* m_cairo;
};

}  // namespace platform::gfx
