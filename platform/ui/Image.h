#pragma once

#include <memory>
#include <string>

#include "platform/base/Value.h"
#include "platform/gfx/Image.h"
#include "platform/ui/Geometry.h"

namespace platform::gfx {
class BitmapContext;
}

namespace platform::ui {

// An image as screens use it: a bitmap with the name it was loaded by and, for stretchable images, the
// caps that keep their size while the middle stretches. The scale factor is pixels per point: an image of
// 640 pixels at scale 2 is 320 points wide (a scale that is not a finite positive number counts as 1).
class Image {
public:
    explicit Image(std::shared_ptr<gfx::Image> bitmap, std::string name = {}, double scale = 1.0);

    // The image of that name in the main bundle; "name" and "name.png" both find "name.png". Answers
    // nullptr (logged) when there is none or it does not decode. Loaded images are kept, by file.
    static std::shared_ptr<Image> named(const std::string& name);
    static std::shared_ptr<Image> withContentsOfFile(const std::string& path);
    static std::shared_ptr<Image> withData(const Data& data);

    const std::string& name() const { return m_name; }
    const std::shared_ptr<gfx::Image>& bitmap() const { return m_bitmap; }
    int pixelWidth() const { return m_bitmap->width(); }
    int pixelHeight() const { return m_bitmap->height(); }
    double scale() const { return m_scale; }
    // The size in points.
    Size size() const { return Size{pixelWidth() / m_scale, pixelHeight() / m_scale}; }

    // A copy whose left cap (and top cap) keep their size when drawn larger; the one-pixel column (row)
    // after the cap stretches, the rest is the right (bottom) cap.
    std::shared_ptr<Image> stretchableImage(int leftCapWidth, int topCapHeight) const;
    int leftCapWidth() const { return m_leftCapWidth; }
    int topCapHeight() const { return m_topCapHeight; }

    // Draws the image into rect (stretching as its caps say).
    void drawInRect(gfx::BitmapContext& context, const Rect& rect, double alpha = 1.0) const;

private:
    std::shared_ptr<gfx::Image> m_bitmap;
    std::string m_name;
    double m_scale;
    int m_leftCapWidth = 0;
    int m_topCapHeight = 0;
};

}  // namespace platform::ui
