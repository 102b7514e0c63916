#include "app/shell/weather/PanelLayout.h"
#include "app/shell/weather/TenDayView.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using platform::ui::Rect;

void TenDayView::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder("TenDayView", [](platform::ui::InterfaceContext& file) {
        auto panel = file.makeTopLevel<TenDayView>(Rect(0, 0, 320, 282));
        panel->m_columnHeaderView = file.make<platform::ui::View>(Rect(0, 44, 320, 20));
        PanelLayout::addAll(*panel->m_columnHeaderView,
                            {PanelLayout::caption(file, Rect(8, 2, 100, 16), "Day"),
                             PanelLayout::caption(file, Rect(158, 2, 100, 16), "High / Low"),
                             PanelLayout::caption(file, Rect(262, 2, 50, 16), "Precip")});
        panel->m_tableView = makeTable(file, Rect(0, 64, 320, 218));
        panel->m_wxIconView = file.make<platform::ui::ImageView>(Rect(8, 50, 100, 100));
        panel->m_shortDescriptionLabel = PanelLayout::value(file, Rect(116, 56, 196, 90), 18.0, true);
        panel->m_shortDescriptionLabel->setNumberOfLines(0);
        panel->m_shortDescriptionLabel->setLineBreakMode(platform::ui::LineBreakMode::WordWrap);
        panel->m_scrollView = file.make<platform::ui::ScrollView>(Rect(0, 154, 320, 4 * PanelLayout::kDetailRowHeight));
        auto grid = file.make<platform::ui::View>(Rect(0, 0, 320, 4 * PanelLayout::kDetailRowHeight));
        panel->m_highLabel = PanelLayout::detail(file, *grid, 0, 0, "High");
        panel->m_lowLabel = PanelLayout::detail(file, *grid, 0, 1, "Low");
        panel->m_precipLabel = PanelLayout::detail(file, *grid, 0, 2, "Precip");
        panel->m_windLabel = PanelLayout::detail(file, *grid, 0, 3, "Wind");
        panel->m_humidityLabel = PanelLayout::detail(file, *grid, 1, 0, "Humidity");
        panel->m_sunriseLabel = PanelLayout::detail(file, *grid, 1, 1, "Sunrise");
        panel->m_sunsetLabel = PanelLayout::detail(file, *grid, 1, 2, "Sunset");
        panel->m_scrollView->addSubview(grid);
        panel->m_scrollView->setContentSize(grid->frame().size);
        PanelLayout::addAll(*panel, {panel->m_columnHeaderView, panel->m_tableView, panel->m_wxIconView,
                                     panel->m_shortDescriptionLabel, panel->m_scrollView});
    });
}

}  // namespace qov
