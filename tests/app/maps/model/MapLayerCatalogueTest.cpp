#include "app/maps/model/MapLayerCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "app/core/model/RegionalLayer.h"
#include "tests/support/TestBundle.h"
#include "tests/support/TestPaths.h"

namespace qov {
namespace {

bool bundleHas(std::string_view picture) {
    return std::filesystem::is_regular_file(qovtest::buildBundleDirectory() / picture);
}

// Every row is whole: its pictures are in the bundle, an offered layer has a name, a row and an icon, a forecast
// layer draws and plays like the layer it forecasts, and a regional layer is the same kind of layer as its home.
TEST(MapLayerCatalogueTest, EveryLayersRowIsComplete) {
    std::set<std::string_view> types;
    std::set<int> rows;
    for (const auto& kind : MapLayerCatalogue::all()) {
        SCOPED_TRACE(std::string(kind.type));
        EXPECT_TRUE(types.insert(kind.type).second) << "listed twice";
        EXPECT_EQ(MapLayerCatalogue::find(kind.type), &kind);
        EXPECT_TRUE(bundleHas(kind.legend)) << kind.legend;
        EXPECT_EQ(kind.displayKey.empty(), kind.optionsRow == MapLayerCatalogue::kNotOffered);
        if (kind.optionsRow != MapLayerCatalogue::kNotOffered) {
            EXPECT_TRUE(rows.insert(kind.optionsRow).second) << "row " << kind.optionsRow << " taken twice";
            EXPECT_TRUE(bundleHas(kind.icon)) << kind.icon;
        }
        EXPECT_FALSE(kind.everySecondFrame && !kind.loops);
        EXPECT_EQ(kind.regionalSwap, RegionalLayer::counterpart(kind.type));
        if (!kind.regionalSwap.empty()) {
            const auto* twin = MapLayerCatalogue::find(kind.regionalSwap);
            ASSERT_NE(twin, nullptr);
            EXPECT_EQ(twin->regionalSwap, kind.type);
            EXPECT_EQ(twin->legend, kind.legend);
            EXPECT_EQ(twin->loops, kind.loops);
        }
        if (kind.type.starts_with("future_") && kind.type.ends_with("_ff")) {
            const auto* base = MapLayerCatalogue::find(kind.type.substr(7, kind.type.size() - 10));
            ASSERT_NE(base, nullptr);
            EXPECT_EQ(base->legend, kind.legend);
            EXPECT_EQ(base->loops, kind.loops);
        }
    }
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(*rows.rbegin() + 1, static_cast<int>(rows.size())) << "the options rows leave a gap";
    EXPECT_NE(MapLayerCatalogue::find(MapLayerCatalogue::kDefaultLayer), nullptr);
    EXPECT_EQ(MapLayerCatalogue::find("lightning"), nullptr);
}

TEST(MapLayerCatalogueTest, TheOptionsScreenOffersItsLayersInOrderWithLocalisedNames) {
    qovtest::TestBundle bundle;
    const auto order = MapLayerCatalogue::optionsOrder();
    ASSERT_FALSE(order.empty());
    for (std::size_t row = 0; row < order.size(); ++row) {
        const auto* kind = MapLayerCatalogue::find(order[row]);
        ASSERT_NE(kind, nullptr) << order[row];
        EXPECT_EQ(kind->optionsRow, static_cast<int>(row)) << order[row];
    }
    const auto offered = std::ranges::count_if(MapLayerCatalogue::all(), [](const MapLayerKind& kind) {
        return kind.optionsRow != MapLayerCatalogue::kNotOffered;
    });
    EXPECT_EQ(static_cast<std::ptrdiff_t>(order.size()), offered);
    const auto names = MapLayerCatalogue::displayNames();
    EXPECT_EQ(names.size(), order.size());
    EXPECT_EQ(names.at("satrad"), "Radar / Clouds");
    EXPECT_EQ(names.at("rain"), "24-Hour Rainfall");
}

TEST(MapLayerCatalogueTest, RadarSwapsWithItsRegionalLayerAndNothingElseDoes) {
    struct Case {
        std::string_view type;
        bool regional;
        std::string_view shown;
    };
    const Case cases[] = {{"radar", true, "eurorad"},  {"radar", false, "radar"},
                          {"eurorad", false, "radar"}, {"eurorad", true, "eurorad"},
                          {"sat", true, "sat"},        {"future_radar_ff", true, "future_radar_ff"}};
    for (const auto& test : cases) {
        EXPECT_EQ(RegionalLayer::forRegion(test.type, test.regional), test.shown) << test.type << " " << test.regional;
    }
    EXPECT_EQ(RegionalLayer::homeOf("eurorad"), "radar");
    EXPECT_EQ(RegionalLayer::homeOf("temp"), "temp");
}

}  // namespace
}  // namespace qov
