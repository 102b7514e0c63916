#include "app/neighbours/screens/TDXViewToolCotroller.h"

#include <gtest/gtest.h>

namespace qov {
namespace {

std::shared_ptr<QOVTropicalStorm> storm(const std::string& name, const std::string& category,
                                        const std::string& direction) {
    auto made = std::make_shared<QOVTropicalStorm>();
    made->setStormName(name);
    made->setCategory(category);
    made->setMovingDirectionText(direction);
    return made;
}

std::shared_ptr<TropicalStormCacheContainer> answer(std::optional<TropicalStormCacheContainer::StormList> storms,
                                                    bool failed = false) {
    auto container = std::make_shared<TropicalStormCacheContainer>();
    container->setActiveStormData(std::move(storms));
    container->setDataReceiveError(failed);
    return container;
}

TEST(TDXViewToolCotrollerTest, ListsTheActiveStormsOneALineAndSaysWhenThereAreNone) {
    TDXViewToolCotroller::registerInterfaceFile();
    const auto section = std::make_shared<TDXViewToolCotroller>();
    section->view();
    const std::vector<std::pair<std::shared_ptr<TropicalStormCacheContainer>, std::string>> cases{
        {answer(TropicalStormCacheContainer::StormList{storm("Hurricane Sam", "3", "WNW"), nullptr,
                                                       storm("Tropical Storm Ana", "", "")}),
         "Hurricane Sam (3), moving WNW\nTropical Storm Ana"},
        {answer(TropicalStormCacheContainer::StormList{}), "No active tropical storms"},
        {answer(std::nullopt, true), "No active tropical storms"},
        {nullptr, "No active tropical storms"}};
    for (const auto& [container, text] : cases) {
        section->stormDataReceived(container);
        EXPECT_EQ(section->stormsLabel()->text(), text);
        EXPECT_GE(section->stormsLabel()->frame().height(), 17.0);  // at least a line, read from the top
    }
}

}  // namespace
}  // namespace qov
