#pragma once

#include "platform/map/AnnotationView.h"

namespace platform::map {

enum class PinColor { Red = 0, Green = 1, Purple = 2 };

// A pin stuck into the map: a coloured head on a needle whose tip is at the annotation's place.
class PinAnnotationView : public AnnotationView {
public:
    PinAnnotationView(std::shared_ptr<Annotation> annotation, std::string reuseIdentifier);

    PinColor pinColor() const { return m_pinColor; }
    void setPinColor(PinColor color) { m_pinColor = color; }
    bool animatesDrop() const { return m_animatesDrop; }
    void setAnimatesDrop(bool animates) { m_animatesDrop = animates; }

    void draw(gfx::BitmapContext& context) const override;

private:
    PinColor m_pinColor = PinColor::Red;
    bool m_animatesDrop = false;
};

}  // namespace platform::map
