// The maps screen's layout: the two sets of frames that follow the ad slot, full screen, the legend, the tool bar's
// items and the loading panel.
#include "app/core/services/QOVMetricsService.h"
#include "app/maps/MapsViewController.h"
#include "app/maps/model/MapLayerCatalogue.h"
#include "app/ui/base/QOVScreenHost.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Callback.h"
#include "platform/ui/Image.h"
#include "platform/ui/ViewAnimation.h"

namespace qov {

using platform::ui::Rect;

namespace {

constexpr double kFullscreenButtonGap = 5.0;

void setY(platform::ui::View& view, double y) {
    auto frame = view.frame();
    frame.origin.y = y;
    view.setFrame(frame);
}

}  // namespace

const MapsViewController::AdLayout& MapsViewController::adLayout(bool adViewHidden) {
    // The screen fills the root's content view exactly (317 points high under the ad slot, 367 without it), so
    // its tool bar ends where the tab strip begins.
    static const AdLayout shown{Rect(0, 0, 320, 317), Rect(0, 32, 320, 241), Rect(0, 273, 320, 44),
                                Rect(0, 0, 320, 361), Rect(0, 317, 320, 44)};
    static const AdLayout hidden{Rect(0, 0, 320, 367), Rect(0, 32, 320, 291), Rect(0, 323, 320, 44),
                                 Rect(0, 0, 320, 411), Rect(0, 367, 320, 44)};
    return adViewHidden ? hidden : shown;
}

void MapsViewController::adViewDidShow() {
    if (m_adViewHidden && !m_fullscreen) {
        applyAdLayout(false);
    }
}

void MapsViewController::adViewDidHide() {
    if (!m_adViewHidden && !m_fullscreen) {
        applyAdLayout(true);
    }
}

void MapsViewController::applyAdLayout(bool adViewHidden) {
    const auto& layout = adLayout(adViewHidden);
    view()->setFrame(layout.view);
    if (mapView()) {
        mapView()->setFrame(layout.map);
    }
    if (m_controlToolBar) {
        m_controlToolBar->setFrame(layout.toolBar);
    }
    m_adViewHidden = adViewHidden;
    layOutTropicalView();
}

void MapsViewController::layOutTropicalView() {
    if (!m_tdxToolViewController || !m_tdxToolViewController->isViewLoaded()) {
        return;
    }
    const auto& layout = adLayout(m_adViewHidden);
    m_tdxToolViewController->view()->setFrame(layout.tropicalView);
    if (const auto& bar = m_tdxToolViewController->toolBar()) {
        bar->setFrame(layout.tropicalToolBar);
    }
}

void MapsViewController::fullscreenButtonPressed() {
    const bool wasAnimating = isAnimating();
    stopAnimations();
    platform::ui::ViewAnimation::beginAnimations(kFullScreenAnimation);
    if (const auto master = masterViewController<QOVScreenHost>()) {
        master->toggleFullScreenContent(false, false);
    }
    if (m_timestampLabel && m_controlToolBar && mapView() && m_legendImageView && m_fullscreenButton) {
        Rect time = m_timestampLabel->frame();
        Rect bar = m_controlToolBar->frame();
        Rect map = mapView()->frame();
        const Rect legend = m_legendImageView->frame();
        const double height = view()->frame().height();
        if (!m_fullscreen) {
            QOVMetricsService::sharedInstance()->trackAction("Map_Full_Screen");
            bar.origin.y = height + bar.height();
            time.origin.y = height - time.height();
            map.size.height = height - legend.height();
            setY(*m_fullscreenButton, time.y() - kFullscreenButtonGap - m_fullscreenButton->frame().height());
            view()->bringSubviewToFront(m_fullscreenButton);
        } else {
            bar.origin.y = height - bar.height();
            time.origin.y = bar.y() - time.height();
            map.size.height = height - bar.height() - legend.height();
        }
        m_fullscreenButton->setHidden(!m_fullscreenButton->isHidden());
        m_timestampLabel->setFrame(time);
        m_controlToolBar->setFrame(bar);
        mapView()->setFrame(map);
    }
    m_fullscreen = !m_fullscreen;
    platform::ui::ViewAnimation::commitAnimations();
    if (wasAnimating && mapView()) {
        resizeAnimationRenderer(mapView()->frame());
        startAnimations();
    }
}

void MapsViewController::togglePlayButtonForMapLayerWithName(const std::string& name) {
    const auto* kind = MapLayerCatalogue::find(name);
    setPlayButtonEnabled(kind && kind->loops);
}

void MapsViewController::updateMapLegend() {
    if (!m_legendImageView) {
        return;
    }
    // A layer the tile server does not have shows nothing, the previous layer's legend included.
    if (!mapLayer()) {
        m_legendImageView->setImage(nullptr);
        return;
    }
    const auto* kind = MapLayerCatalogue::find(mapLayer()->layerType());
    if (!kind) {
        return;
    }
    if (auto image = platform::ui::Image::named(std::string(kind->legend))) {
        m_legendImageView->setImage(std::move(image));
    }
}

std::shared_ptr<platform::ui::BarButtonItem> MapsViewController::toolBarItem(std::size_t index) const {
    return m_controlToolBar && index < m_controlToolBar->items().size() ? m_controlToolBar->items()[index] : nullptr;
}

void MapsViewController::updatePlayButtonImage(platform::ui::BarButtonSystemItem systemItem) {
    const auto old = toolBarItem(kPlayButtonIndex);
    if (!old) {
        return;
    }
    auto item = std::make_shared<platform::ui::BarButtonItem>(
        systemItem, platform::bindWeak(self(), [](MapsViewController& screen, platform::ui::BarButtonItem&) {
            screen.playButtonPressed();
        }));
    item->setStyle(platform::ui::BarButtonItemStyle::Bordered);
    // The new item is as usable as the one it replaces: the layer decides that, not the loop.
    item->setEnabled(old->isEnabled());
    replaceToolBarItem(kPlayButtonIndex, item);
}

void MapsViewController::setPlayButtonEnabled(bool enabled) {
    if (const auto item = toolBarItem(kPlayButtonIndex)) {
        item->setEnabled(enabled);
        m_controlToolBar->setNeedsDisplay();
    }
}

void MapsViewController::retintButtonItem(std::size_t index) {
    const auto old = toolBarItem(index);
    if (!old) {
        return;
    }
    auto item = std::make_shared<platform::ui::BarButtonItem>(old->title(), platform::ui::BarButtonItemStyle::Bordered,
                                                              old->action());
    item->setImage(old->image());
    replaceToolBarItem(index, item);
}

void MapsViewController::replaceToolBarItem(std::size_t index,
                                            const std::shared_ptr<platform::ui::BarButtonItem>& item) {
    auto items = m_controlToolBar->items();
    item->setWidth(items[index]->width());
    items[index] = item;
    m_controlToolBar->setItems(std::move(items), false);
    retint();
}

void MapsViewController::applyTheme() {
    QOVMapViewController::applyTheme();
    retint();
}

void MapsViewController::retint() {
    if (m_controlToolBar) {
        m_controlToolBar->setTintColor(QOVThemeService::navBarColor());
    }
}

void MapsViewController::setPreloadProgress(float progress) {
    if (m_progressView) {
        m_progressView->setProgress(progress > 0.05F ? progress : 0.0F);
    }
}

void MapsViewController::displayLoadingView(bool show) {
    if (show && m_progressView) {
        m_progressView->setProgress(0.0);
    }
    for (const auto& part :
         {std::shared_ptr<platform::ui::View>(m_loadingView), std::shared_ptr<platform::ui::View>(m_progressView)}) {
        const auto parent = part ? part->superview() : nullptr;
        if (!parent) {
            continue;
        }
        if (show) {
            parent->bringSubviewToFront(part);
        } else {
            parent->sendSubviewToBack(part);
        }
        part->setHidden(!show);
    }
}

}  // namespace qov
