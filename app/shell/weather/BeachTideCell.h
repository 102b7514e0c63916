#pragma once

#include <memory>

#include "app/ui/base/QOVTableViewCell.h"
#include "platform/ui/Label.h"

namespace qov {

class QOVTide;

// A row for one tide: its day and time in the device's time zone, "Low" or "High", and its height in the user's
// unit. Made from the interface file "BeachTideCell"; nothing in the application shows it. Main thread only.
class BeachTideCell : public QOVTableViewCell {
public:
    static constexpr double kRowHeight = 30.0;

    using QOVTableViewCell::QOVTableViewCell;
    static void registerInterfaceFile();

    void awakeFromNib() override;
    void updateUsingTide(const QOVTide& tide);

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_dateLabel;
    std::shared_ptr<platform::ui::Label> m_typeLabel;
    std::shared_ptr<platform::ui::Label> m_heightLabel;
};

}  // namespace qov
