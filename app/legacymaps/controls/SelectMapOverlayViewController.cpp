#include "app/legacymaps/controls/SelectMapOverlayViewController.h"

#include <algorithm>
#include <cmath>

#include "app/legacymaps/overlay/MapOverlayType.h"

namespace qov {

using platform::ui::DeviceOrientation;

namespace {
bool isLandscape(DeviceOrientation orientation) {
    return orientation == DeviceOrientation::LandscapeLeft || orientation == DeviceOrientation::LandscapeRight;
}
}  // namespace

platform::gfx::Rect SelectMapOverlayViewController::frameForOverlay(int position, DeviceOrientation orientation) {
    const platform::gfx::Size tile = MapOverlayOptionView::standardSize();
    const double width = isLandscape(orientation) ? 1004.0 : 768.0;
    const double height = isLandscape(orientation) ? 675.0 : 911.0;
    const int columns = std::max(1, static_cast<int>(std::floor(width / tile.width)));
    const int count = static_cast<int>(MapOverlayType::numberOfOverlays());
    const int rows = count / columns + (count % columns != 0 ? 1 : 0);
    const int row = position / columns;
    const int column = position % columns;
    // The room left is shared out between the columns and between the rows; a grid taller than the room (four
    // rows in portrait) gets no gaps rather than overlapping rows and a first row under the status bar.
    const double x = column * tile.width + (column + 1) * std::max(0.0, width - columns * tile.width) / (columns + 1);
    const double y = row * tile.height + (row + 1) * std::max(0.0, height - rows * tile.height) / (rows + 1) + 22.0;
    return platform::gfx::Rect(x, y, tile.width, tile.height);
}

void SelectMapOverlayViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    const DeviceOrientation orientation = currentInterfaceOrientation();
    view()->setBackgroundColor(platform::gfx::Color::white(0.0, 0.5));
    view()->setFrame(isLandscape(orientation) ? platform::gfx::Rect(0, 0, 1024, 768)
                                              : platform::gfx::Rect(0, 0, 768, 1024));
    const auto current = currentOverlay();
    const auto self = std::static_pointer_cast<SelectMapOverlayViewController>(shared_from_this());
    const int count = static_cast<int>(MapOverlayType::numberOfOverlays());
    for (int position = 0; position < count; ++position) {
        const platform::gfx::Rect frame = frameForOverlay(position, orientation);
        auto option =
            MapOverlayOptionView::create(position, frame.x(), frame.y(), current && current->number() == position);
        option->setDelegate(self);
        view()->addSubview(option);
        m_optionViews.push_back(std::move(option));
    }
}

void SelectMapOverlayViewController::willRotateToInterfaceOrientation(DeviceOrientation orientation, double duration) {
    rotateToInterfaceOrientation(orientation, duration);
}

void SelectMapOverlayViewController::willAnimateRotationToInterfaceOrientation(DeviceOrientation orientation,
                                                                               double duration) {
    rotateToInterfaceOrientation(orientation, duration);
}

void SelectMapOverlayViewController::rotateToInterfaceOrientation(DeviceOrientation orientation, double) {
    for (std::size_t position = 0; position < m_optionViews.size(); ++position) {
        const platform::gfx::Rect frame = frameForOverlay(static_cast<int>(position), orientation);
        m_optionViews[position]->setX(frame.x(), frame.y());
    }
}

DeviceOrientation SelectMapOverlayViewController::currentInterfaceOrientation() const {
    const auto delegate = m_delegate.lock();
    return delegate ? delegate->currentInterfaceOrientation() : interfaceOrientation();
}

void SelectMapOverlayViewController::overlaySelected(int index) {
    if (const auto delegate = m_delegate.lock()) {
        delegate->overlaySelected(index);
    }
}

MapOverlayType::Ptr SelectMapOverlayViewController::currentOverlay() const {
    const auto delegate = m_delegate.lock();
    return delegate ? delegate->currentOverlay() : nullptr;
}

}  // namespace qov
