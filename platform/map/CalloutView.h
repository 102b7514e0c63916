#pragma once

#include <string>

#include "platform/ui/View.h"

namespace platform::map {

// The bubble above a selected annotation: its title and, under it, its subtitle.
class CalloutView : public ui::View {
public:
    CalloutView(const std::string& title, const std::string& subtitle);
    void draw(gfx::BitmapContext& context) const override;
};

}  // namespace platform::map
