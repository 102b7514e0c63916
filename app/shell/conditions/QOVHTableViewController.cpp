#include "app/shell/conditions/QOVHTableViewController.h"

#include <numbers>

#include "app/shell/conditions/QOVHTableViewCell.h"

namespace qov {

void QOVHTableViewController::viewDidLoad() {
    TableViewController::viewDidLoad();
    view()->setRotation(-std::numbers::pi / 2.0);
}

void QOVHTableViewController::refreshCellTransform() {
    for (const auto& cell : tableView()->visibleCells()) {
        if (const auto turned = std::dynamic_pointer_cast<QOVHTableViewCell>(cell)) {
            turned->rotateCell();
        }
    }
}

}  // namespace qov
