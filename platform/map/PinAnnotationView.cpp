#include "platform/map/PinAnnotationView.h"

#include "platform/gfx/BitmapContext.h"

namespace platform::map {
namespace {

constexpr double kPinWidth = 16.0;
constexpr double kPinHeight = 32.0;
constexpr double kHeadDiameter = 12.0;

gfx::Color headColor(PinColor color) {
    switch (color) {
        case PinColor::Green: return gfx::Color::rgba(0.15, 0.7, 0.2);
        case PinColor::Purple: return gfx::Color::rgba(0.55, 0.25, 0.75);
        case PinColor::Red: break;
    }
    return gfx::Color::rgba(0.85, 0.1, 0.1);
}

}  // namespace

PinAnnotationView::PinAnnotationView(std::shared_ptr<Annotation> annotation, std::string reuseIdentifier)
    : AnnotationView(std::move(annotation), std::move(reuseIdentifier)) {
    setFrame(ui::Rect{0, 0, kPinWidth, kPinHeight});
    // The needle's tip, at the bottom centre, marks the place.
    setCenterOffset(ui::Point{0.0, -kPinHeight / 2.0});
}

void PinAnnotationView::draw(gfx::BitmapContext& context) const {
    if (image()) {
        AnnotationView::draw(context);
        return;
    }
    const double middle = bounds().midX();
    context.strokeLine(ui::Point{middle, kHeadDiameter}, ui::Point{middle, kPinHeight}, gfx::Color::darkGray(), 2.0);
    const ui::Rect head{middle - kHeadDiameter / 2.0, 1.0, kHeadDiameter, kHeadDiameter};
    context.fillEllipse(head, headColor(m_pinColor));
    context.fillEllipse(head.insetBy(3.0, 3.0).offsetBy(-1.5, -1.5), gfx::Color::white(1.0, 0.6));
}

}  // namespace platform::map
