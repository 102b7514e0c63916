#include "app/shell/weather/HourlyView.h"
#include "app/shell/weather/PanelLayout.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using platform::ui::Rect;

void HourlyView::registerInterfaceFile() {
    platform::ui::InterfaceFile::registerBuilder("HourlyView", [](platform::ui::InterfaceContext& file) {
        auto panel = file.makeTopLevel<HourlyView>(Rect(0, 0, 320, 282));
        panel->m_columnHeaderView = file.make<platform::ui::View>(Rect(0, 44, 320, 20));
        PanelLayout::addAll(*panel->m_columnHeaderView, {PanelLayout::caption(file, Rect(6, 2, 70, 16), "Time"),
                                                         PanelLayout::caption(file, Rect(122, 2, 54, 16), "Temp"),
                                                         PanelLayout::caption(file, Rect(178, 2, 42, 16), "Precip"),
                                                         PanelLayout::caption(file, Rect(222, 2, 84, 16), "Wind")});
        panel->m_tableView = makeTable(file, Rect(0, 64, 320, 218));
        panel->m_tableView->setRowHeight(44.0);
        PanelLayout::addAll(*panel, {panel->m_columnHeaderView, panel->m_tableView});
    });
}

}  // namespace qov
