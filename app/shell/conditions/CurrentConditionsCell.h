#pragma once

#include <memory>

#include "app/shell/conditions/QOVHTableViewCell.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace qov {

class QOVLocationIdentity;

// One page of the current-conditions bar: a location's name, its temperature in the user's units and a
// 25-pixel weather icon. Made by the interface file "CurrentConditionsCell" (reuse identifier the same).
// Main thread only.
class CurrentConditionsCell : public QOVHTableViewCell {
public:
    static constexpr const char* kInterfaceFile = "CurrentConditionsCell";
    static constexpr double kHeight = 44.0;

    using QOVHTableViewCell::QOVHTableViewCell;
    // The interface file; the bar's pages are kPageWidth wide.
    static void registerInterfaceFile();

    // Shows the location's weather when entry is a QOVLocation; an identity without data leaves the page as
    // it is.
    void updateLocation(const std::shared_ptr<QOVLocationIdentity>& entry);

    // Actions of the interface file's buttons; they do nothing.
    void locationButtonPressed() {}
    void conditionsButtonPressed() {}

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_locationLabel;
    std::shared_ptr<platform::ui::Label> m_temperatureLabel;
    std::shared_ptr<platform::ui::ImageView> m_weatherIconImageView;
    std::shared_ptr<platform::ui::Button> m_addToFavoritesButton;
};

}  // namespace qov
