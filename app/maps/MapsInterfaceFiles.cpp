// The maps screens' interface files: the maps screen (laid out for a shown ad slot; the screen moves to the other
// layout as soon as it appears) and the options screen with its bar.
#include "app/maps/MapsViewController.h"
#include "app/maps/options/MapsOptionsViewController.h"
#include "app/ui/text/LocalizedFormat.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Callback.h"
#include "platform/map/MapView.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/NavigationBar.h"

namespace qov {

using namespace platform::ui;

namespace {

constexpr double kWidth = 320.0;
constexpr double kLegendHeight = 32.0;
constexpr double kTimeStripHeight = 20.0;
constexpr double kFullscreenButtonWidth = 140.0;

// A tool-bar item that calls the screen's operation.
// A tool-bar item of the given width that calls the screen's operation.
std::shared_ptr<BarButtonItem> toolItem(const std::shared_ptr<MapsViewController>& screen, const std::string& title,
                                        double width, void (MapsViewController::*operation)()) {
    auto item = std::make_shared<BarButtonItem>(
        localized(title), BarButtonItemStyle::Bordered,
        platform::bindWeak(screen, [operation](MapsViewController& owner, BarButtonItem&) { (owner.*operation)(); }));
    item->setWidth(width);
    return item;
}

std::shared_ptr<Button> overlayButton(InterfaceContext& file, const std::string& title, double x, double width) {
    auto button = file.make<Button>(ButtonType::RoundedRect, Rect(x, 0, width, 30));
    button->setTitle(localized(title));
    button->setHidden(true);
    button->setAutoresizingMask(kAutoresizingFlexibleTopMargin);
    return button;
}

}  // namespace

void MapsViewController::registerInterfaceFiles() {
    const auto builder = [](InterfaceContext& file) {
        const auto owner = file.ownerAs<MapsViewController>();
        if (!owner) {
            return;
        }
        const auto& layout = adLayout(false);
        auto view = file.makeTopLevel<View>(layout.view);
        view->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
        view->setClipsToBounds(true);

        auto map = file.make<platform::map::MapView>(layout.map);
        map->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
        auto legend = file.make<ImageView>(Rect(0, 0, kWidth, kLegendHeight));
        legend->setBackgroundColor(platform::gfx::Color::white(0.15));

        // The loop's time on the left of a dark strip over the map's foot, its frame slider on the right.
        auto time = file.make<Label>(Rect(0, layout.toolBar.y() - kTimeStripHeight, kWidth, kTimeStripHeight));
        time->setAutoresizingMask(kAutoresizingFlexibleTopMargin | kAutoresizingFlexibleWidth);
        time->setBackgroundColor(platform::gfx::Color::white(0.0, 0.6));
        time->setTextColor(platform::gfx::Color::white());
        time->setFont(platform::gfx::Font::boldSystemFont(12.0));
        auto slider = file.make<Slider>(Rect(170, 2, 142, 16));
        time->addSubview(slider);

        auto bar = file.make<Toolbar>(layout.toolBar);
        bar->setAutoresizingMask(kAutoresizingFlexibleTopMargin | kAutoresizingFlexibleWidth);
        auto play = std::make_shared<BarButtonItem>(
            BarButtonSystemItem::Play,
            platform::bindWeak(owner, [](MapsViewController& screen, BarButtonItem&) { screen.playButtonPressed(); }));
        play->setStyle(BarButtonItemStyle::Bordered);
        play->setWidth(52);
        bar->setItems({toolItem(owner, "Options", 64, &MapsViewController::optionsButtonPressed), play,
                       std::make_shared<BarButtonItem>(BarButtonSystemItem::FlexibleSpace),
                       toolItem(owner, "Tropical", 66, &MapsViewController::tdxViewButtonPressed),
                       toolItem(owner, "Full Screen", 86, &MapsViewController::fullscreenButtonPressed)});

        auto loopLoading = file.make<ActivityIndicatorView>(ActivityIndicatorStyle::White);
        loopLoading->setFrame(Rect(kWidth - 26, kLegendHeight + 6, 20, 20));

        auto loading = file.make<View>(Rect(100, 110, 120, 80));
        loading->setBackgroundColor(platform::gfx::Color::white(0.0, 0.7));
        auto spinner = file.make<ActivityIndicatorView>(ActivityIndicatorStyle::WhiteLarge);
        spinner->setFrame(Rect(42, 12, 37, 37));
        auto progress = file.make<ProgressView>(ProgressViewStyle::Bar);
        progress->setFrame(Rect(10, 60, 100, 9));
        loading->addSubview(spinner);
        loading->addSubview(progress);

        auto leave =
            overlayButton(file, "Exit Full Screen", kWidth - kFullscreenButtonWidth - 8, kFullscreenButtonWidth);
        leave->addAction(
            kControlEventTouchUpInside,
            platform::bindWeak(owner, [](MapsViewController& screen, Control&) { screen.fullscreenButtonPressed(); }));
        auto fullscreenPlay = overlayButton(file, "Play", 8, 60);

        for (const std::shared_ptr<View>& part :
             std::vector<std::shared_ptr<View>>{map, legend, time, bar, loopLoading, loading, leave, fullscreenPlay}) {
            view->addSubview(part);
        }
        owner->setMapView(map);
        owner->m_legendImageView = legend;
        owner->m_timestampLabel = time;
        owner->m_animationSlider = slider;
        owner->m_controlToolBar = bar;
        owner->m_animationLoadingIndicator = loopLoading;
        owner->m_loadingView = loading;
        owner->m_loadingIndicator = spinner;
        owner->m_progressView = progress;
        owner->m_fullscreenButton = leave;
        owner->m_fullscreenPlayButton = fullscreenPlay;
        owner->setView(view);
    };
    InterfaceFile::registerBuilder("MapsViewController-iPhone", builder);
    InterfaceFile::registerBuilder("MapsViewController-iPad", builder);
}

// The options table under a bar titled "Map Options" whose "Done" closes them.
void MapsOptionsViewController::registerInterfaceFiles() {
    const auto builder = [](InterfaceContext& file) {
        const auto owner = file.ownerAs<MapsOptionsViewController>();
        if (!owner) {
            return;
        }
        auto view = file.makeTopLevel<View>(Rect(0, 0, kWidth, 460));
        view->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
        auto bar = file.make<NavigationBar>(Rect(0, 0, kWidth, NavigationBar::kHeight));
        bar->setTintColor(QOVThemeService::navBarColor());
        auto item = std::make_shared<NavigationItem>(localized("Map Options"));
        item->setRightBarButtonItem(std::make_shared<BarButtonItem>(
            localized("Done"), BarButtonItemStyle::Done,
            platform::bindWeak(owner, [](MapsOptionsViewController& options, BarButtonItem&) { options.dismiss(); })));
        bar->setItems({item});
        auto table = file.make<TableView>(Rect(0, NavigationBar::kHeight, kWidth, 460 - NavigationBar::kHeight));
        table->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
        view->addSubview(table);
        view->addSubview(bar);
        owner->setOptionsTable(table);
        owner->setView(view);
    };
    InterfaceFile::registerBuilder("MapsOptionsViewController-iPhone", builder);
    InterfaceFile::registerBuilder("MapsOptionsViewController-iPad", builder);
}

}  // namespace qov
