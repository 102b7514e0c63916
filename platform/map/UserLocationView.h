#pragma once

#include "platform/map/AnnotationView.h"

namespace platform::map {

// The blue dot a map view shows for the user's location unless its delegate gives a view of its own.
class UserLocationView : public AnnotationView {
public:
    explicit UserLocationView(std::shared_ptr<Annotation> annotation);
    void draw(gfx::BitmapContext& context) const override;
};

}  // namespace platform::map
