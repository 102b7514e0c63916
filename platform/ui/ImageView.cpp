#include "platform/ui/ImageView.h"

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

void ImageView::draw(gfx::BitmapContext& context) const {
    const auto& shown = m_highlighted && m_highlightedImage ? m_highlightedImage : m_image;
    if (shown) {
        shown->drawInRect(context, bounds());
    }
}

}  // namespace platform::ui
