#include "platform/map/UserLocationView.h"

#include "platform/gfx/BitmapContext.h"

namespace platform::map {

UserLocationView::UserLocationView(std::shared_ptr<Annotation> annotation)
    : AnnotationView(std::move(annotation), "UserLocation") {
    setFrame(ui::Rect{0, 0, 22, 22});
    setCanShowCallout(true);
}

void UserLocationView::draw(gfx::BitmapContext& context) const {
    context.fillEllipse(bounds(), gfx::Color::rgba(0.2, 0.45, 1.0, 0.25));
    context.fillEllipse(bounds().insetBy(5, 5), gfx::Color::white());
    context.fillEllipse(bounds().insetBy(7, 7), gfx::Color::rgba(0.1, 0.4, 1.0));
}

}  // namespace platform::map
