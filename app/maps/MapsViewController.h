#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/maps/controller/QOVMapViewController.h"
#include "app/maps/options/MapsOptionsViewControllerDelegate.h"
#include "app/neighbours/screens/TDXViewToolControllerDelegate.h"
#include "app/neighbours/screens/TDXViewToolCotroller.h"
#include "platform/ui/ActionSheetDelegate.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ProgressView.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Toolbar.h"

namespace qov {

// The root screen of the Maps tab (tab item "maps"): the weather map of its base class with the controls a user
// touches. Under a legend of the shown layer lies the map; over the map's foot a strip with the loop's time and its
// frame slider; at the bottom a tool bar: "Options", play/stop (item 1: the Play or Pause item; only the loop layers
// can play), "Tropical" and "Full Screen". Full screen moves the tool bar out of sight, stretches the map and shows
// a button that brings the bars back. "Tropical" lays the tropical-storm section over the screen until the section
// hands the user back. Every action that changes what the map shows stops the loop first. The layout follows the
// root controller's ad slot (two sets of frames) while full screen is off.
//
// Main thread only; owned by std::shared_ptr like every screen. The options screen, the tropical section and the
// Past/Future sheet know it weakly as their delegate.
class MapsViewController : public QOVMapViewController,
                           public MapsOptionsViewControllerDelegate,
                           public TDXViewToolControllerDelegate,
                           public platform::ui::ActionSheetDelegate {
public:
    static constexpr int kPlayButtonIndex = 1;
    static constexpr double kLoadingViewCornerRadius = 7.0;
    static constexpr const char* kFullScreenAnimation = "fullscreentoggle";

    explicit MapsViewController(std::string nibName = {});
    ~MapsViewController() override;

    // "MapsViewController-iPhone" and "-iPad" (the same layout).
    static void registerInterfaceFiles();

    const std::shared_ptr<platform::ui::Label>& timestampLabel() const { return m_timestampLabel; }
    const std::shared_ptr<platform::ui::Slider>& animationSlider() const { return m_animationSlider; }
    const std::shared_ptr<platform::ui::Toolbar>& controlToolBar() const { return m_controlToolBar; }
    const std::shared_ptr<platform::ui::Button>& fullscreenButton() const { return m_fullscreenButton; }
    const std::shared_ptr<platform::ui::Button>& fullscreenPlayButton() const { return m_fullscreenPlayButton; }
    const std::shared_ptr<platform::ui::ImageView>& legendImageView() const { return m_legendImageView; }
    const std::shared_ptr<TDXViewToolCotroller>& tdxToolViewController() const { return m_tdxToolViewController; }
    const std::shared_ptr<platform::ui::View>& loadingView() const { return m_loadingView; }
    const std::shared_ptr<platform::ui::ActivityIndicatorView>& loadingIndicator() const { return m_loadingIndicator; }
    const std::shared_ptr<platform::ui::ProgressView>& progressView() const { return m_progressView; }
    const std::shared_ptr<platform::ui::ActivityIndicatorView>& animationLoadingIndicator() const {
        return m_animationLoadingIndicator;
    }
    bool isFullscreen() const { return m_fullscreen; }
    bool isLaidOutForHiddenAd() const { return m_adViewHidden; }
    // Whether the play/stop button offers play (no loop running).
    bool showsPlay() const { return m_showPlay; }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidUnload() override;
    void applyTheme() override;

    // Tool-bar actions.
    void playButtonPressed();
    // The "Choose Animation" sheet: Past, Future, Cancel.
    void askUserForLayerTimeFrame();
    void actionSheetClickedButtonAtIndex(platform::ui::ActionSheet& sheet, int index) override;
    void optionsButtonPressed();
    void tdxViewButtonPressed();
    void fullscreenButtonPressed();

    // The loop, with the play button and the slider following it.
    void startAnimations() override;
    void stopAnimations() override;
    // The base's layer switch, then the legend and the play button for the name.
    void updateMapLayerWithName(std::string name) override;

    // MapsOptionsViewControllerDelegate
    void layerSelectedWithName(const std::string& name) override;
    void poiSelectedWithType(std::int32_t type) override;
    void mapTypeSelected(unsigned mapType) override;
    void mapTransparencySelected(float transparency) override;
    void gpsDotSelected(bool on) override;

    // TDXViewToolControllerDelegate
    void toggleToolLocationBar() override;
    void removeTropicalView(const std::shared_ptr<platform::ui::View>& view) override;
    void launchModalViewControllerView(const std::shared_ptr<platform::ui::ViewController>& controller) override;
    void dismissControllerView(const std::shared_ptr<platform::ui::ViewController>& controller) override;
    void shouldTDXViewRemain(bool remain) override { m_shouldTDXRemain = remain; }

    // Enabled for the layers the catalogue marks as looping (MapLayerCatalogue), disabled otherwise.
    void togglePlayButtonForMapLayerWithName(const std::string& name);
    // The legend picture of the current layer; an unknown layer, or a picture that does not load, keeps the legend.
    void updateMapLegend();
    // Replaces item 1 by a bordered system item (Play or Pause) that calls playButtonPressed.
    void updatePlayButtonImage(platform::ui::BarButtonSystemItem item);
    void setPlayButtonEnabled(bool enabled);
    // Replaces the item by a bordered one with the same title, image and action.
    void retintButtonItem(std::size_t index);
    // The bar shows the value when it is above 0.05, else 0.
    void setPreloadProgress(float progress);
    void displayLoadingView(bool show);

protected:
    void adViewDidShow() override;
    void adViewDidHide() override;
    void updateTimeStamp(const std::string& timeStamp) override;
    void updateFrameNumber(std::uint32_t frame) override;
    void updateTotalFrames(std::uint32_t totalFrames) override;
    void animationLoadStarted() override;
    void animationLoadFinished() override;

private:
    // The frames of one ad-slot state.
    struct AdLayout {
        platform::ui::Rect view;
        platform::ui::Rect map;
        platform::ui::Rect toolBar;
        platform::ui::Rect tropicalView;
        platform::ui::Rect tropicalToolBar;
    };
    static const AdLayout& adLayout(bool adViewHidden);
    void applyAdLayout(bool adViewHidden);
    // The tropical section's frames for the layout in use.
    void layOutTropicalView();
    std::shared_ptr<MapsViewController> self() {
        return std::static_pointer_cast<MapsViewController>(shared_from_this());
    }
    std::shared_ptr<platform::ui::BarButtonItem> toolBarItem(std::size_t index) const;
    // Puts the item in place of an existing one, as wide, and re-applies the tint.
    void replaceToolBarItem(std::size_t index, const std::shared_ptr<platform::ui::BarButtonItem>& item);
    void retint();

    std::shared_ptr<platform::ui::Label> m_timestampLabel;
    std::shared_ptr<platform::ui::Slider> m_animationSlider;
    std::shared_ptr<platform::ui::Toolbar> m_controlToolBar;
    std::shared_ptr<platform::ui::Button> m_fullscreenButton;
    std::shared_ptr<platform::ui::Button> m_fullscreenPlayButton;
    std::shared_ptr<platform::ui::ImageView> m_legendImageView;
    bool m_fullscreen = false;
    bool m_adViewHidden = false;
    std::shared_ptr<TDXViewToolCotroller> m_tdxToolViewController;
    std::shared_ptr<platform::ui::View> m_loadingView;
    std::shared_ptr<platform::ui::ActivityIndicatorView> m_loadingIndicator;
    std::shared_ptr<platform::ui::ProgressView> m_progressView;
    bool m_showPlay = true;
    bool m_shouldTDXRemain = false;
    std::shared_ptr<platform::ui::ActivityIndicatorView> m_animationLoadingIndicator;
};

}  // namespace qov
