#pragma once

#include <memory>
#include <optional>

#include "app/legacymaps/controls/MapControlBarDelegate.h"
#include "app/legacymaps/controls/MapOverlayOptionViewDelegate.h"
#include "app/legacymaps/map/MapViewUpdatedDelegate.h"
#include "platform/format/DateFormatter.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Slider.h"
#include "platform/ui/View.h"

namespace qov {

class SelectMapOverlayViewController;

// The older tile map's control bar, laid out in points for a 768 x 1024 screen: the overlay button (opens the
// full-screen chooser), the overlay's legend, the date and time of the frame shown, play/stop and, while playing,
// a past and a future slider with check boxes. It is 728 x 60, or 160 high while playing.
//
// Main thread only. Make it with create() (its controls reach it weakly). The delegate is held weakly; the bar
// owns the open chooser, whose view it lays over the window until a choice is made.
class MapControlBar : public platform::ui::View, public MapOverlayOptionViewDelegate, public MapViewUpdatedDelegate {
public:
    static constexpr platform::gfx::Size kSize{728.0, 60.0};
    static constexpr double kPlayingGrowth = 100.0;

    // The overlay starts as the stored preferred overlay.
    static std::shared_ptr<MapControlBar> create();
    MapControlBar();

    void setControlBarDelegate(std::weak_ptr<MapControlBarDelegate> delegate) {
        m_controlBarDelegate = std::move(delegate);
    }
    const MapOverlayType::Ptr& currentOverlayType() const { return m_currentOverlayType; }
    // Keeps it, tells the delegate the overlay no longer animates, and updates the controls.
    void setCurrentOverlayType(MapOverlayType::Ptr type);
    bool isShowingAnimation() const { return m_showingAnimation; }
    bool isFuture() const { return m_future; }
    // The zone in which frame dates and times are written, as on the maps tab: the shown place's zone, "EST"
    // until one is given (or for none). The shown date and time are written again.
    void setTimeZone(const std::optional<std::string>& zone);
    // Places the bar for the orientation (bottom centre) and turns an open chooser.
    void setOrientation(platform::ui::DeviceOrientation orientation);
    const std::shared_ptr<SelectMapOverlayViewController>& selectionDialog() const { return m_selectionDialog; }

    // User actions.
    void userPressedSelectOverlay();
    void userPressedPlayStop();
    void userPressedPast();
    void userPressedFuture();

    // MapOverlayOptionViewDelegate.
    platform::ui::DeviceOrientation currentInterfaceOrientation() const override { return m_currentOrientation; }
    void overlaySelected(int index) override;
    MapOverlayType::Ptr currentOverlay() const override { return m_currentOverlayType; }

    // MapViewUpdatedDelegate.
    void setCurrentTimeStamp(std::optional<platform::Date> timeStamp) override;
    void setCurrentTimeSlice(int slice, bool forFuture) override;
    void setMaxFutureTimeSlices(int count, std::optional<platform::Date> endTime) override;
    void setMaxPastTimeSlices(int count, std::optional<platform::Date> startTime) override;
    void mapRepositioned() override;

    // Controls (tests and the screen dump read them).
    const std::shared_ptr<platform::ui::Button>& selectOverlayButton() const { return m_selectOverlayButton; }
    const std::shared_ptr<platform::ui::Button>& playStopButton() const { return m_playStopButton; }
    const std::shared_ptr<platform::ui::ImageView>& overlayLegend() const { return m_overlayLegend; }
    const std::shared_ptr<platform::ui::Label>& dateLabel() const { return m_dateLabel; }
    const std::shared_ptr<platform::ui::Label>& timeLabel() const { return m_timeLabel; }
    const std::shared_ptr<platform::ui::Button>& pastButton() const { return m_pastButton; }
    const std::shared_ptr<platform::ui::Label>& pastLabel() const { return m_pastLabel; }
    const std::shared_ptr<platform::ui::Slider>& pastSlider() const { return m_pastSlider; }
    const std::shared_ptr<platform::ui::Button>& futureButton() const { return m_futureButton; }
    const std::shared_ptr<platform::ui::Label>& futureLabel() const { return m_futureLabel; }
    const std::shared_ptr<platform::ui::Slider>& futureSlider() const { return m_futureSlider; }

private:
    void wireActions();
    void updateControlBar();
    void displayFullScreenModalController();
    void dismissFullScreenModalController();
    void removeFullScreenModal();
    void setTimeControlsAlpha(double alpha);
    std::shared_ptr<MapControlBarDelegate> delegate() const { return m_controlBarDelegate.lock(); }

    std::shared_ptr<platform::ui::ImageView> m_background;
    std::shared_ptr<platform::ui::Button> m_selectOverlayButton;
    std::shared_ptr<platform::ui::ImageView> m_overlayLegend;
    std::shared_ptr<platform::ui::Button> m_playStopButton;
    std::shared_ptr<platform::ui::Button> m_pointsOfInterestButton;
    std::shared_ptr<platform::ui::Label> m_dateLabel;
    std::shared_ptr<platform::ui::Label> m_timeLabel;
    std::shared_ptr<platform::ui::Button> m_pastButton;
    std::shared_ptr<platform::ui::Label> m_pastLabel;
    std::shared_ptr<platform::ui::Slider> m_pastSlider;
    std::shared_ptr<platform::ui::Label> m_futureLabel;
    std::shared_ptr<platform::ui::Button> m_futureButton;
    std::shared_ptr<platform::ui::Slider> m_futureSlider;
    std::weak_ptr<MapControlBarDelegate> m_controlBarDelegate;
    std::shared_ptr<SelectMapOverlayViewController> m_selectionDialog;
    MapOverlayType::Ptr m_currentOverlayType;
    bool m_showingAnimation = false;
    bool m_future = false;
    platform::ui::DeviceOrientation m_currentOrientation = platform::ui::DeviceOrientation::Portrait;
    platform::DateFormatter m_dateFormatter;
    platform::DateFormatter m_timeFormatter;
    std::optional<platform::Date> m_timeStamp;
};

}  // namespace qov
