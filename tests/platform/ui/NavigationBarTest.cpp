#include "platform/ui/NavigationBar.h"

#include <gtest/gtest.h>

#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

class NavigationBarTest : public UiFixture {};

// A runner's tap that nothing on the bar answers is not handled, so the script learns that it missed.
TEST_F(NavigationBarTest, ATapNothingOnTheBarAnswersIsNotHandled) {
    int taps = 0;
    auto top = std::make_shared<NavigationItem>("Units");
    top->setRightBarButtonItem(
        std::make_shared<BarButtonItem>("Edit", BarButtonItemStyle::Bordered, [&](BarButtonItem&) { ++taps; }));
    const struct {
        const char* name;
        std::vector<std::shared_ptr<NavigationItem>> items;
        std::string text;
    } cases[] = {
        {"no items", {}, "Edit"},
        {"no items, no text", {}, ""},
        {"no text", {top}, ""},
        {"no back button under the only item", {top}, "Back"},
    };
    for (const auto& c : cases) {
        NavigationBar bar(Rect(0, 0, 320, 44));
        bar.setItems(c.items);
        bar.setBackAction([&] { ++taps; });
        EXPECT_FALSE(bar.tapText(c.text)) << c.name;
    }
    EXPECT_EQ(taps, 0);
}

}  // namespace
}  // namespace platform::ui
