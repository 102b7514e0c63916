#include "app/legacymaps/controls/MapOverlayOptionView.h"

#include "app/legacymaps/controls/LegacyMapColors.h"
#include "app/legacymaps/overlay/MapOverlayType.h"
#include "platform/base/Callback.h"

namespace qov {

using platform::gfx::Rect;

namespace {
const Rect kPreviewArea(0, 0, 328, 207);
}

std::shared_ptr<MapOverlayOptionView> MapOverlayOptionView::create(int index, double x, double y, bool selected) {
    auto view = std::make_shared<MapOverlayOptionView>(index, x, y, selected);
    view->m_button->addAction(platform::ui::kControlEventTouchUpInside,
                              platform::bindWeak(view, [](MapOverlayOptionView& option, platform::ui::Control&) {
                                  option.overlaySelected();
                              }));
    return view;
}

MapOverlayOptionView::MapOverlayOptionView(int index, double x, double y, bool selected)
    : View(Rect(platform::gfx::Point{x, y}, standardSize())),
      m_overlayType(MapOverlayType::overlayForNumber(index)),
      m_index(index) {
    auto backing = std::make_shared<View>(kPreviewArea);
    backing->setBackgroundColor(LegacyMapColors::selectionBlue());
    m_previewView = std::make_shared<platform::ui::ImageView>(
        m_overlayType ? platform::ui::Image::named(m_overlayType->imageName()) : nullptr);
    m_previewView->setFrame(Rect(4, 4, 320, 199));
    m_previewView->setContentMode(platform::ui::ContentMode::ScaleAspectFit);
    m_titleView = std::make_shared<MapOverlayTitleView>();
    m_titleView->setType(m_overlayType, selected);
    m_button = std::make_shared<platform::ui::Button>(platform::ui::ButtonType::Custom, kPreviewArea);
    addSubview(backing);
    addSubview(m_previewView);
    addSubview(m_titleView);
    addSubview(m_button);
}

void MapOverlayOptionView::overlaySelected() {
    if (const auto delegate = m_delegate.lock()) {
        delegate->overlaySelected(m_index);
    }
}

void MapOverlayOptionView::setX(double x, double y) { setFrame(Rect(platform::gfx::Point{x, y}, standardSize())); }

bool MapOverlayOptionView::tapFrom(platform::ui::View&, const std::string&) {
    m_button->sendActionsForControlEvents(platform::ui::kControlEventTouchUpInside);
    return true;
}

}  // namespace qov
