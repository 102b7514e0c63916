#include "platform/map/AnnotationView.h"

#include "platform/gfx/BitmapContext.h"
#include "platform/map/MapView.h"

namespace platform::map {

AnnotationView::AnnotationView(std::shared_ptr<Annotation> annotation, std::string reuseIdentifier)
    : m_annotation(std::move(annotation)), m_reuseIdentifier(std::move(reuseIdentifier)) {}

void AnnotationView::setImage(std::shared_ptr<gfx::Image> image) {
    m_image = std::move(image);
    if (m_image) {
        const ui::Point center = this->center();
        setFrame(ui::Rect{0, 0, static_cast<double>(m_image->width()), static_cast<double>(m_image->height())});
        setCenter(center);
    }
}

std::string AnnotationView::text() const { return m_annotation ? m_annotation->title() : std::string{}; }

void AnnotationView::draw(gfx::BitmapContext& context) const {
    if (m_image) {
        context.drawImage(*m_image, bounds());
    }
}

bool AnnotationView::tapText(const std::string& text) {
    auto map = std::dynamic_pointer_cast<MapView>(superview());
    if (!map || !m_enabled || !m_annotation || text.empty() || text != this->text()) {
        return false;
    }
    map->selectAnnotation(m_annotation, false);
    return true;
}

}  // namespace platform::map
