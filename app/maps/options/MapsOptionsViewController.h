#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/maps/cache/MapConfigurationListener.h"
#include "app/maps/options/MapsOptionsViewControllerDelegate.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"

namespace qov {

// The modal table of map choices: layer, points of interest, map type, overlay transparency and the GPS dot.
// The presenter fills in the current choices; every choice goes to the delegate at once and the table stays
// open until dismiss(). The GPS dot's state is kept in the user default "QOVUserSettingMapGPSDotOn". The layer
// rows follow a fixed order of the configuration's display names (none before a configuration arrives).
//
// Main thread only; owned by std::shared_ptr like every screen. The delegate and the map cache's listening are
// weak.
class MapsOptionsViewController : public QOVViewController,
                                  public MapConfigurationListener,
                                  public platform::ui::TableViewDataSource,
                                  public platform::ui::TableViewDelegate {
public:
    static constexpr const char* kGPSDotDefaultsKey = "QOVUserSettingMapGPSDotOn";
    static constexpr const char* kCellIdentifier = "OptionsCell";
    static constexpr int kSliderTag = 60000;
    static constexpr int kSwitchTag = 60001;

    explicit MapsOptionsViewController(std::string nibName = {});
    ~MapsOptionsViewController() override;

    std::optional<std::string> pageName() const override { return "MapsOptions"; }
    // "MapsOptionsViewController-iPhone" and "-iPad": the table under a bar whose "Done" dismisses.
    static void registerInterfaceFiles();

    // Outlet; without one, viewDidLoad puts a table filling the view.
    const std::shared_ptr<platform::ui::TableView>& optionsTable() const { return m_optionsTable; }
    void setOptionsTable(std::shared_ptr<platform::ui::TableView> table) { m_optionsTable = std::move(table); }
    void setDelegate(const std::shared_ptr<MapsOptionsViewControllerDelegate>& delegate) { m_delegate = delegate; }
    const std::string& selectedLayerName() const { return m_selectedLayerName; }
    void setSelectedLayerName(std::string name) { m_selectedLayerName = std::move(name); }
    std::int32_t selectedPOIType() const { return m_selectedPOIType; }
    void setSelectedPOIType(std::int32_t type) { m_selectedPOIType = type; }
    unsigned selectedMapType() const { return m_selectedMapType; }
    void setSelectedMapType(unsigned mapType) { m_selectedMapType = mapType; }
    float currentMapTransparency() const { return m_currentMapTransparency; }
    void setCurrentMapTransparency(float value) { m_currentMapTransparency = value; }
    const std::map<std::string, std::string>& layers() const { return m_layers; }

    void viewDidLoad() override;
    void mapConfigurationChanged(const std::shared_ptr<QOVMapTileConfig>& configuration) override;
    void dismiss();

    int numberOfSectionsInTableView(platform::ui::TableView&) override { return 5; }
    int tableViewNumberOfRowsInSection(platform::ui::TableView&, int section) override;
    std::optional<std::string> tableViewTitleForHeaderInSection(platform::ui::TableView&, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    void tableViewDidSelectRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;

private:
    struct PointOfInterestRow {
        std::int32_t type;
        const char* name;
        const char* icon;
    };
    static const std::vector<PointOfInterestRow>& pointOfInterestRows();
    std::size_t layerRowCount() const;
    void buildMapLayerCell(platform::ui::TableViewCell& cell, int row) const;
    void buildPOICell(platform::ui::TableViewCell& cell, int row) const;
    void buildMapTypeCell(platform::ui::TableViewCell& cell, int row) const;
    void buildMapTransparencyCell(platform::ui::TableViewCell& cell);
    void buildGPSPositionSwitchCell(platform::ui::TableViewCell& cell);
    static void clearCell(platform::ui::TableViewCell& cell);

    std::shared_ptr<platform::ui::TableView> m_optionsTable;
    std::map<std::string, std::string> m_layers;
    std::string m_selectedLayerName;
    std::int32_t m_selectedPOIType = 0;
    unsigned m_selectedMapType = 0;
    float m_currentMapTransparency = 0;
    std::weak_ptr<MapsOptionsViewControllerDelegate> m_delegate;
    bool m_gpsDotOn = false;
    std::vector<std::string> m_orderedLayerKeys;
};

}  // namespace qov
