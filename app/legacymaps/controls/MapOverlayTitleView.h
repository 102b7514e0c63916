#pragma once

#include <memory>

#include "app/legacymaps/overlay/MapOverlayType.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace qov {

// The strip over an overlay's preview in the chooser: its icon, its name, and a help mark that shows whether it is
// the overlay chosen now (blue when selected, the theme's background otherwise). 320 x 40 at (4, 4) whatever
// frame it is given. Main thread only.
class MapOverlayTitleView : public platform::ui::View {
public:
    explicit MapOverlayTitleView(const platform::gfx::Rect& frame = {});

    const MapOverlayType::Ptr& overlayType() const { return m_overlayType; }
    void setType(MapOverlayType::Ptr type, bool selected);
    void setSelected(bool selected);

    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return m_titleLabel; }
    const std::shared_ptr<platform::ui::Button>& descriptionButton() const { return m_descriptionButton; }

private:
    MapOverlayType::Ptr m_overlayType;
    std::shared_ptr<platform::ui::ImageView> m_iconView;
    std::shared_ptr<platform::ui::Label> m_titleLabel;
    std::shared_ptr<platform::ui::Button> m_descriptionButton;
};

}  // namespace qov
