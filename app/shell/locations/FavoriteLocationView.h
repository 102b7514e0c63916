#pragma once

#include <memory>

#include "app/ui/base/QOVTableViewCell.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace qov {

class QOVLocationIdentity;

// The table cell of one favourite: its name (the nickname the user gave it, else the place's display name),
// the current temperature and condition icon, and markers for the home and push (alert) locations. The layout
// comes from the interface file "FavoriteLocationView"; cells are reused by the table. Main thread only.
class FavoriteLocationView : public QOVTableViewCell {
public:
    static constexpr const char* kInterfaceFileName = "FavoriteLocationView";
    static constexpr const char* kNoConditionsImage = "44_512.png";

    static void registerInterfaceFile();

    using QOVTableViewCell::QOVTableViewCell;

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_displayName;
    std::shared_ptr<platform::ui::Label> m_tempLabel;
    std::shared_ptr<platform::ui::ImageView> m_wxIcon;
    std::shared_ptr<platform::ui::ImageView> m_pushIndicator;
    std::shared_ptr<platform::ui::ImageView> m_homeIndicator;

    // The favourite as the bookmarks screen holds it (an identity, or its cached weather once that arrived).
    const std::shared_ptr<QOVLocationIdentity>& locId() const { return m_locId; }
    void setLocId(std::shared_ptr<QOVLocationIdentity> locId) { m_locId = std::move(locId); }

    // Shows a cached weather location; anything else (a bare identity, a match, nullptr) leaves the cell as it
    // is. The name is the nickname of the favourite as the location manager stores it, when set and not empty.
    void setDataForLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    void enablePushIndicator(bool enable);
    void enableHomeIndicator(bool enable);

private:
    std::shared_ptr<QOVLocationIdentity> m_locId;
};

}  // namespace qov
