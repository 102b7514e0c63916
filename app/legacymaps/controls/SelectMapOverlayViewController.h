#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/legacymaps/controls/MapOverlayOptionView.h"
#include "app/legacymaps/controls/MapOverlayOptionViewDelegate.h"
#include "app/ui/base/QOVViewController.h"

namespace qov {

// The older tile map's full-screen overlay chooser: a dimmed 768 x 1024 screen (1024 x 768 in landscape) with a grid
// of option views, one per catalogue position, the current overlay's marked. What it is asked and told goes to its
// delegate (the control bar, held weakly). Main thread only.
class SelectMapOverlayViewController : public QOVViewController, public MapOverlayOptionViewDelegate {
public:
    // The interface file of the chooser's plain view; registered by registerLegacyMapInterfaceFiles().
    static constexpr const char* kNibName = "SelectMapOverlayViewController";

    explicit SelectMapOverlayViewController(std::string nibName = kNibName) : QOVViewController(std::move(nibName)) {}

    void setDelegate(std::weak_ptr<MapOverlayOptionViewDelegate> delegate) { m_delegate = std::move(delegate); }
    // Where the option at a position lies: the grid's columns and rows share out the room left between them.
    static platform::gfx::Rect frameForOverlay(int position, platform::ui::DeviceOrientation orientation);
    const std::vector<std::shared_ptr<MapOverlayOptionView>>& optionViews() const { return m_optionViews; }

    std::optional<std::string> pageName() const override { return std::nullopt; }
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation) const override { return true; }
    void viewDidLoad() override;
    void willRotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation, double duration) override;
    void willAnimateRotationToInterfaceOrientation(platform::ui::DeviceOrientation orientation,
                                                   double duration) override;
    void rotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation, double duration);

    // MapOverlayOptionViewDelegate: passed on to the delegate.
    platform::ui::DeviceOrientation currentInterfaceOrientation() const override;
    void overlaySelected(int index) override;
    MapOverlayType::Ptr currentOverlay() const override;

private:
    std::vector<std::shared_ptr<MapOverlayOptionView>> m_optionViews;
    std::weak_ptr<MapOverlayOptionViewDelegate> m_delegate;
};

}  // namespace qov
