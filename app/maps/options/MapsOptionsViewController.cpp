#include "app/maps/options/MapsOptionsViewController.h"

#include <algorithm>
#include <array>

#include "app/core/model/RegionalLayer.h"
#include "app/maps/cache/QOVMapCache.h"
#include "app/maps/model/MapLayerCatalogue.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Callback.h"
#include "platform/base/ProcessInstance.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Image.h"
#include "platform/ui/Slider.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableViewCell.h"

namespace qov {

namespace {

using platform::ui::TableViewCellAccessoryType;

constexpr std::array kMapTypeNames{"Road", "Satellite", "Hybrid"};
constexpr std::array kSectionHeaders{"Map Layers", "Points of Interest", "Map Types", "Map Transparency",
                                     "GPS Tracking Dot"};

void mark(platform::ui::TableViewCell& cell, bool checked) {
    cell.setAccessoryType(checked ? TableViewCellAccessoryType::Checkmark : TableViewCellAccessoryType::None);
}

}  // namespace

MapsOptionsViewController::MapsOptionsViewController(std::string nibName) : QOVViewController(std::move(nibName)) {}

MapsOptionsViewController::~MapsOptionsViewController() = default;

const std::vector<MapsOptionsViewController::PointOfInterestRow>& MapsOptionsViewController::pointOfInterestRows() {
    static platform::NeverDestroyed<const std::vector<PointOfInterestRow>> rows(
        std::vector<PointOfInterestRow>{{0, "None", "none.png"},
                                        {1, "Cities", "cities.png"},
                                        {17, "Schools", "schools.png"},
                                        {9, "Airports", "airports.png"},
                                        {19, "Parks", "parks.png"},
                                        {5, "Golf Courses", "golf.png"},
                                        {21, "Lakes", "lakes.png"}});
    return *rows;
}

void MapsOptionsViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    if (!m_optionsTable) {
        m_optionsTable = std::make_shared<platform::ui::TableView>(view()->bounds());
        m_optionsTable->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth |
                                            platform::ui::kAutoresizingFlexibleHeight);
        view()->addSubview(m_optionsTable);
    }
    const auto self = std::static_pointer_cast<MapsOptionsViewController>(shared_from_this());
    m_optionsTable->setDataSource(self);
    m_optionsTable->setDelegate(self);
    // The row order first: the map cache may answer at once.
    m_orderedLayerKeys = MapLayerCatalogue::optionsOrder();
    m_gpsDotOn = platform::UserDefaults::standard()->boolForKey(kGPSDotDefaultsKey);
    QOVMapCache::sharedInstance()->startListeningForMapConfigWithDelegate(self);
}

void MapsOptionsViewController::mapConfigurationChanged(const std::shared_ptr<QOVMapTileConfig>& configuration) {
    m_layers = configuration ? QOVMapTileConfig::displayableLayers() : std::map<std::string, std::string>{};
    if (m_optionsTable) {
        m_optionsTable->reloadData();
    }
}

void MapsOptionsViewController::dismiss() { dismissModalViewControllerAnimated(true); }

std::size_t MapsOptionsViewController::layerRowCount() const {
    return std::min(m_layers.size(), m_orderedLayerKeys.size());
}

int MapsOptionsViewController::tableViewNumberOfRowsInSection(platform::ui::TableView&, int section) {
    switch (section) {
        case 0: return int(layerRowCount());
        case 1: return int(pointOfInterestRows().size());
        case 2: return int(kMapTypeNames.size());
        case 3:
        case 4: return 1;
        default: return 0;
    }
}

std::optional<std::string> MapsOptionsViewController::tableViewTitleForHeaderInSection(platform::ui::TableView&,
                                                                                       int section) {
    return section >= 0 && std::size_t(section) < kSectionHeaders.size() ? localized(kSectionHeaders[section])
                                                                         : std::string();
}

std::shared_ptr<platform::ui::TableViewCell> MapsOptionsViewController::tableViewCellForRow(
    platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) {
    auto cell = tableView.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell =
            std::make_shared<platform::ui::TableViewCell>(platform::ui::TableViewCellStyle::Subtitle, kCellIdentifier);
    }
    clearCell(*cell);
    switch (indexPath.section) {
        case 0: buildMapLayerCell(*cell, indexPath.row); break;
        case 1: buildPOICell(*cell, indexPath.row); break;
        case 2: buildMapTypeCell(*cell, indexPath.row); break;
        case 3: buildMapTransparencyCell(*cell); break;
        default: buildGPSPositionSwitchCell(*cell); break;
    }
    return cell;
}

void MapsOptionsViewController::clearCell(platform::ui::TableViewCell& cell) {
    cell.setAccessoryType(TableViewCellAccessoryType::None);
    cell.textLabel()->setText("");
    cell.imageView()->setImage(nullptr);
    if (const auto slider = cell.contentView()->viewWithTag(kSliderTag)) {
        slider->removeFromSuperview();
    }
    cell.setAccessoryView(nullptr);
}

void MapsOptionsViewController::buildMapLayerCell(platform::ui::TableViewCell& cell, int row) const {
    if (row < 0 || std::size_t(row) >= layerRowCount()) {
        return;
    }
    const std::string& key = m_orderedLayerKeys[std::size_t(row)];
    const auto name = m_layers.find(key);
    cell.textLabel()->setText(name == m_layers.end() ? std::string() : name->second);
    // A regional layer's row is its home layer's: the radar row stands for both radar layers.
    mark(cell, key == RegionalLayer::homeOf(m_selectedLayerName));
    if (const auto* kind = MapLayerCatalogue::find(key); kind && !kind->icon.empty()) {
        cell.imageView()->setImage(platform::ui::Image::named(std::string(kind->icon)));
    }
}

void MapsOptionsViewController::buildPOICell(platform::ui::TableViewCell& cell, int row) const {
    const auto& rows = pointOfInterestRows();
    if (row < 0 || std::size_t(row) >= rows.size()) {
        return;
    }
    const auto& point = rows[std::size_t(row)];
    cell.textLabel()->setText(localized(point.name));
    cell.imageView()->setImage(platform::ui::Image::named(point.icon));
    mark(cell, point.type == m_selectedPOIType);
}

void MapsOptionsViewController::buildMapTypeCell(platform::ui::TableViewCell& cell, int row) const {
    if (row < 0 || std::size_t(row) >= kMapTypeNames.size()) {
        return;
    }
    cell.textLabel()->setText(localized(kMapTypeNames[std::size_t(row)]));
    mark(cell, unsigned(row) == m_selectedMapType);
}

void MapsOptionsViewController::buildMapTransparencyCell(platform::ui::TableViewCell& cell) {
    auto slider = std::make_shared<platform::ui::Slider>(platform::gfx::Rect(10, 11, 280, 20));
    slider->setContinuous(false);
    slider->setMinimumValue(0);
    slider->setMaximumValue(1);
    slider->setValue(m_currentMapTransparency);
    slider->setTag(kSliderTag);
    slider->addAction(platform::ui::kControlEventValueChanged,
                      platform::bindWeak(std::static_pointer_cast<MapsOptionsViewController>(shared_from_this()),
                                         [](MapsOptionsViewController& screen, platform::ui::Control& control) {
                                             const double value = static_cast<platform::ui::Slider&>(control).value();
                                             screen.m_currentMapTransparency = float(value);
                                             if (const auto delegate = screen.m_delegate.lock()) {
                                                 delegate->mapTransparencySelected(float(value));
                                             }
                                         }));
    cell.contentView()->addSubview(slider);
}

void MapsOptionsViewController::buildGPSPositionSwitchCell(platform::ui::TableViewCell& cell) {
    cell.textLabel()->setText(localized("GPS Tracking Dot"));
    const auto content = cell.contentView()->frame();
    auto toggle = std::make_shared<platform::ui::Switch>(
        platform::gfx::Rect(content.width() - 80, (content.height() - 27) / 2, 80, 27));
    toggle->setOn(m_gpsDotOn);
    toggle->setTag(kSwitchTag);
    toggle->addAction(platform::ui::kControlEventValueChanged,
                      platform::bindWeak(std::static_pointer_cast<MapsOptionsViewController>(shared_from_this()),
                                         [](MapsOptionsViewController& screen, platform::ui::Control& control) {
                                             const bool on = static_cast<platform::ui::Switch&>(control).isOn();
                                             screen.m_gpsDotOn = on;
                                             const auto defaults = platform::UserDefaults::standard();
                                             defaults->setBool(on, kGPSDotDefaultsKey);
                                             defaults->synchronize();
                                             if (const auto delegate = screen.m_delegate.lock()) {
                                                 delegate->gpsDotSelected(on);
                                             }
                                         }));
    cell.setAccessoryView(toggle);
}

void MapsOptionsViewController::tableViewDidSelectRow(platform::ui::TableView& tableView,
                                                      const platform::ui::IndexPath& indexPath) {
    const auto delegate = m_delegate.lock();
    const auto row = std::size_t(std::max(indexPath.row, 0));
    if (indexPath.section == 0 && row < layerRowCount()) {
        m_selectedLayerName = m_orderedLayerKeys[row];
        if (delegate) {
            delegate->layerSelectedWithName(m_selectedLayerName);
        }
    } else if (indexPath.section == 1 && row < pointOfInterestRows().size()) {
        m_selectedPOIType = pointOfInterestRows()[row].type;
        if (delegate) {
            delegate->poiSelectedWithType(m_selectedPOIType);
        }
    } else if (indexPath.section == 2 && row < kMapTypeNames.size()) {
        m_selectedMapType = unsigned(row);
        if (delegate) {
            delegate->mapTypeSelected(m_selectedMapType);
        }
    }
    tableView.reloadData();
}

}  // namespace qov
