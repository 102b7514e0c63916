#pragma once

#include <string>

#include "app/ui/base/QOVTableViewCell.h"

namespace qov {

// A cell of a QOVHTableViewController's sideways table: its content view is turned a quarter turn (+pi/2),
// so it reads upright. A cell made in code always turns; one an interface file makes turns only while the
// process-wide shouldRotate() holds (initially true). Main thread only.
class QOVHTableViewCell : public QOVTableViewCell {
public:
    // Marks the construction by an interface file.
    struct FromInterfaceFile {};

    explicit QOVHTableViewCell(platform::ui::TableViewCellStyle style = platform::ui::TableViewCellStyle::Default,
                               std::string reuseIdentifier = {});
    QOVHTableViewCell(FromInterfaceFile, std::string reuseIdentifier);

    static bool shouldRotate();
    static void setShouldRotate(bool rotate);

    // Turns the content view upright unless it is turned already.
    void rotateCell();
};

}  // namespace qov
