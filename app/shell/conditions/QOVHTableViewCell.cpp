#include "app/shell/conditions/QOVHTableViewCell.h"

#include <numbers>

namespace qov {

namespace {

bool& rotatesFromInterfaceFiles() {
    static bool rotates = true;
    return rotates;
}

}  // namespace

QOVHTableViewCell::QOVHTableViewCell(platform::ui::TableViewCellStyle style, std::string reuseIdentifier)
    : QOVTableViewCell(style, std::move(reuseIdentifier)) {
    rotateCell();
}

QOVHTableViewCell::QOVHTableViewCell(FromInterfaceFile, std::string reuseIdentifier)
    : QOVTableViewCell(platform::ui::TableViewCellStyle::Default, std::move(reuseIdentifier)) {
    if (shouldRotate()) {
        rotateCell();
    }
}

bool QOVHTableViewCell::shouldRotate() { return rotatesFromInterfaceFiles(); }

void QOVHTableViewCell::setShouldRotate(bool rotate) { rotatesFromInterfaceFiles() = rotate; }

void QOVHTableViewCell::rotateCell() {
    if (contentView()->rotation() == 0.0) {
        contentView()->setRotation(std::numbers::pi / 2.0);
    }
}

}  // namespace qov
