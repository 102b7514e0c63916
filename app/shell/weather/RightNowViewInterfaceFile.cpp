#include "app/shell/weather/PanelLayout.h"
#include "app/shell/weather/RightNowView.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using platform::ui::Rect;

namespace {

constexpr double kInfoTop = 154.0;

}  // namespace

void RightNowView::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder("RightNowView", [](platform::ui::InterfaceContext& file) {
        auto panel = file.makeTopLevel<RightNowView>(Rect(0, 0, 320, 282));
        panel->m_wxIconView = file.make<platform::ui::ImageView>(Rect(8, 50, 100, 100));
        panel->m_temperatureLabel = PanelLayout::value(file, Rect(116, 52, 196, 58), 50.0, true);
        panel->m_shortDescriptionLabel = PanelLayout::value(file, Rect(116, 110, 196, 40), 16.0);
        panel->m_shortDescriptionLabel->setNumberOfLines(2);
        panel->m_shortDescriptionLabel->setLineBreakMode(platform::ui::LineBreakMode::WordWrap);
        panel->m_infoScrollView = file.make<platform::ui::ScrollView>(Rect(0, kInfoTop, 320, 100));
        auto grid = file.make<platform::ui::View>(Rect(0, 0, 320, 4 * PanelLayout::kDetailRowHeight));
        panel->m_feelsLikeLabel = PanelLayout::detail(file, *grid, 0, 0, "Feels Like");
        panel->m_windLabel = PanelLayout::detail(file, *grid, 0, 1, "Wind");
        panel->m_humidityLabel = PanelLayout::detail(file, *grid, 0, 2, "Humidity");
        panel->m_uvIndexLabel = PanelLayout::detail(file, *grid, 0, 3, "UV Index");
        panel->m_dewPointLabel = PanelLayout::detail(file, *grid, 1, 0, "Dew Point");
        panel->m_visibilityLabel = PanelLayout::detail(file, *grid, 1, 1, "Visibility");
        panel->m_sunriseLabel = PanelLayout::detail(file, *grid, 1, 2, "Sunrise");
        panel->m_sunsetLabel = PanelLayout::detail(file, *grid, 1, 3, "Sunset");
        panel->m_infoScrollView->addSubview(grid);
        panel->m_activityIndicator = file.make<platform::ui::ActivityIndicatorView>();
        panel->m_activityIndicator->setFrame(Rect(150, 120, 20, 20));
        PanelLayout::addAll(*panel, {panel->m_wxIconView, panel->m_temperatureLabel, panel->m_shortDescriptionLabel,
                                     panel->m_infoScrollView, panel->m_activityIndicator});
    });
}

}  // namespace qov
