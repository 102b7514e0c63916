#include "platform/ui/ImageView.h"

#include <algorithm>

namespace platform::ui {

ImageView::ImageView(std::shared_ptr<Image> image) : m_image(std::move(image)) {
    if (m_image) {
        setFrame(Rect(Point{}, m_image->size()));
    }
}

void ImageView::setImage(std::shared_ptr<Image> image) {
    m_image = std::move(image);
    setNeedsDisplay();
}

Size ImageView::sizeThatFits(Size size) const { return m_image ? m_image->size() : size; }

std::vector<std::string> ImageView::dumpState() const {
    auto state = View::dumpState();
    const auto& shown = m_highlighted && m_highlightedImage ? m_highlightedImage : m_image;
    if (shown) {
        state.push_back("image " + (shown->name().empty() ? std::string("unnamed") : shown->name()));
    }
    return state;
}

Rect ImageView::imageRect() const {
    const auto& shown = m_highlighted && m_highlightedImage ? m_highlightedImage : m_image;
    if (!shown) {
        return Rect{};
    }
    const Rect area = bounds();
    const Size size = shown->size();
    if (m_contentMode == ContentMode::ScaleToFill || size.width <= 0.0 || size.height <= 0.0) {
        return area;
    }
    const double factor = std::min(area.width() / size.width, area.height() / size.height);
    const Size fitted{size.width * factor, size.height * factor};
    return Rect(area.x() + (area.width() - fitted.width) / 2.0, area.y() + (area.height() - fitted.height) / 2.0,
                fitted.width, fitted.height);
}

void ImageView::draw(gfx::BitmapContext& context) const {
    const auto& shown = m_highlighted && m_highlightedImage ? m_highlightedImage : m_image;
    if (shown) {
        shown->drawInRect(context, imageRect());
    }
}

}  // namespace platform::ui
