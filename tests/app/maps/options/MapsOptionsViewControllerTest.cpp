#include "app/maps/options/MapsOptionsViewController.h"

#include <gtest/gtest.h>

#include "app/maps/model/MapLayerCatalogue.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableViewCell.h"
#include "tests/app/maps/SharedMapCacheFixture.h"

namespace qov {
namespace {

using platform::ui::IndexPath;
using platform::ui::TableViewCellAccessoryType;

struct Choices : MapsOptionsViewControllerDelegate {
    std::vector<std::string> heard;
    void layerSelectedWithName(const std::string& name) override { heard.push_back("layer " + name); }
    void poiSelectedWithType(std::int32_t type) override { heard.push_back("poi " + std::to_string(type)); }
    void mapTypeSelected(unsigned mapType) override { heard.push_back("map " + std::to_string(mapType)); }
    void gpsDotSelected(bool on) override { heard.push_back(on ? "gps on" : "gps off"); }
};

class MapsOptionsViewControllerTest : public qovtest::SharedMapCacheFixture {
protected:
    void SetUp() override {
        SharedMapCacheFixture::SetUp();
        platform::UserDefaults::resetStandard(std::make_shared<platform::UserDefaults>(defaultsFile()));
    }
    void TearDown() override {
        platform::UserDefaults::resetStandard(nullptr);
        SharedMapCacheFixture::TearDown();
    }
    std::filesystem::path defaultsFile() const { return home() / "defaults.plist"; }
    std::shared_ptr<MapsOptionsViewController> openOptions() {
        auto screen = std::make_shared<MapsOptionsViewController>();
        screen->setDelegate(m_choices);
        screen->view();
        return screen;
    }
    std::shared_ptr<platform::ui::TableViewCell> cell(MapsOptionsViewController& screen, int section, int row) {
        return screen.tableViewCellForRow(*screen.optionsTable(), IndexPath{section, row});
    }

    std::shared_ptr<Choices> m_choices = std::make_shared<Choices>();
};

TEST_F(MapsOptionsViewControllerTest, RowsFollowTheConfigurationAndEuroradChecksTheRadarRow) {
    const auto screen = openOptions();
    screen->setSelectedLayerName("eurorad");
    auto& table = *screen->optionsTable();
    // The layers' rows are the catalogue's offered layers.
    const int layers = static_cast<int>(MapLayerCatalogue::optionsOrder().size());
    const std::vector<std::pair<int, int>> rows{{0, layers}, {1, 7}, {2, 3}, {3, 1}, {4, 1}, {5, 0}};
    for (const auto& [section, count] : rows) {
        EXPECT_EQ(screen->tableViewNumberOfRowsInSection(table, section), count) << section;
    }
    EXPECT_EQ(cell(*screen, 0, 0)->text(), "Radar");
    EXPECT_EQ(cell(*screen, 0, 0)->accessoryType(), TableViewCellAccessoryType::Checkmark);
    EXPECT_EQ(cell(*screen, 0, 1)->accessoryType(), TableViewCellAccessoryType::None);
    screen->mapConfigurationChanged(nullptr);
    EXPECT_EQ(screen->tableViewNumberOfRowsInSection(table, 0), 0);
}

TEST_F(MapsOptionsViewControllerTest, ChoicesReachTheDelegateAndMoveTheCheckMark) {
    const auto screen = openOptions();
    auto& table = *screen->optionsTable();
    screen->tableViewDidSelectRow(table, IndexPath{0, 2});
    screen->tableViewDidSelectRow(table, IndexPath{1, 3});
    screen->tableViewDidSelectRow(table, IndexPath{2, 1});
    screen->tableViewDidSelectRow(table, IndexPath{0, 40});
    EXPECT_EQ(m_choices->heard, (std::vector<std::string>{"layer satrad", "poi 9", "map 1"}));
    EXPECT_EQ(cell(*screen, 1, 3)->accessoryType(), TableViewCellAccessoryType::Checkmark);
    EXPECT_EQ(cell(*screen, 2, 1)->accessoryType(), TableViewCellAccessoryType::Checkmark);
}

TEST_F(MapsOptionsViewControllerTest, TheGpsSwitchIsKeptForTheNextStart) {
    const auto screen = openOptions();
    const auto toggle = std::dynamic_pointer_cast<platform::ui::Switch>(cell(*screen, 4, 0)->accessoryView());
    ASSERT_TRUE(toggle);
    EXPECT_FALSE(toggle->isOn());
    toggle->toggle();
    EXPECT_EQ(m_choices->heard, std::vector<std::string>{"gps on"});
    platform::UserDefaults::resetStandard(std::make_shared<platform::UserDefaults>(defaultsFile()));
    const auto next = openOptions();
    const auto kept = std::dynamic_pointer_cast<platform::ui::Switch>(cell(*next, 4, 0)->accessoryView());
    ASSERT_TRUE(kept);
    EXPECT_TRUE(kept->isOn());
}

}  // namespace
}  // namespace qov
