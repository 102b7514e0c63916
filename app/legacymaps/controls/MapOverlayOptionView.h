#pragma once

#include <memory>

#include "app/legacymaps/controls/MapOverlayOptionViewDelegate.h"
#include "app/legacymaps/controls/MapOverlayTitleView.h"
#include "app/legacymaps/overlay/MapOverlayType.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"

namespace qov {

// One tile of the overlay chooser: the preview of the overlay at a catalogue position on a blue backing, its title
// strip, and a clear button over the preview that tells the delegate (held weakly) the position. A touch anywhere
// on the preview, its title included, lands on that button. Main thread only; make it with create().
class MapOverlayOptionView : public platform::ui::View {
public:
    static constexpr platform::gfx::Size standardSize() { return platform::gfx::Size{328.0, 247.0}; }

    static std::shared_ptr<MapOverlayOptionView> create(int index, double x, double y, bool selected);
    MapOverlayOptionView(int index, double x, double y, bool selected);

    const MapOverlayType::Ptr& overlayType() const { return m_overlayType; }
    int index() const { return m_index; }
    void setDelegate(std::weak_ptr<MapOverlayOptionViewDelegate> delegate) { m_delegate = std::move(delegate); }
    void overlaySelected();
    void setX(double x, double y);

    const std::shared_ptr<MapOverlayTitleView>& titleView() const { return m_titleView; }
    const std::shared_ptr<platform::ui::ImageView>& previewView() const { return m_previewView; }

    bool respondsToTaps() const override { return true; }
    bool tapFrom(platform::ui::View& touched, const std::string& text) override;

private:
    MapOverlayType::Ptr m_overlayType;
    int m_index;
    std::weak_ptr<MapOverlayOptionViewDelegate> m_delegate;
    std::shared_ptr<MapOverlayTitleView> m_titleView;
    std::shared_ptr<platform::ui::ImageView> m_previewView;
    std::shared_ptr<platform::ui::Button> m_button;
};

}  // namespace qov
