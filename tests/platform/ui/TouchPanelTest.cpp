#include "platform/ui/TouchPanel.h"

#include <gtest/gtest.h>

#include "platform/ui/AlertView.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/KeyboardLayout.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/SampleScreenFixture.h"

namespace platform::ui {
namespace {

using TouchPanelTest = SampleScreenFixture;

TEST_F(TouchPanelTest, ATapLandsOnWhatIsDrawnAtThePoint) {
    // The sample screen's root view starts 20 points down.
    const struct {
        Point point;
        std::optional<std::string> error;
        std::vector<std::string> journal;
    } cases[] = {
        {{260, 145}, std::nullopt, {"refresh"}},
        {{150, 185}, std::nullopt, {"segment 1"}},
        {{60, 290}, std::nullopt, {"row 0"}},
        {{150, 70}, "nothing there responds to taps", {}},  // the hidden green square: the white root view
        {{50, 135}, "nothing there responds to taps", {}},  // the label
        {{-5, 135}, "nothing on screen at that point", {}},
    };
    for (const auto& each : cases) {
        screen->journal.clear();
        EXPECT_EQ(TouchPanel::tap(each.point), each.error) << each.point.x << "," << each.point.y;
        EXPECT_EQ(screen->journal, each.journal) << each.point.x << "," << each.point.y;
    }
    EXPECT_EQ(TouchPanel::tap(Point{100, 235}), std::nullopt);
    EXPECT_TRUE(screen->field->isFirstResponder()) << "a tap on an empty field starts editing it";
}

TEST_F(TouchPanelTest, AnAlertTakesEveryTapOnItsButtonsOnly) {
    auto choices = std::make_shared<AlertChoices>();
    auto alert =
        std::make_shared<AlertView>("Notice", "Failed", choices, std::string("OK"), std::vector<std::string>{"Retry"});
    alert->show();
    EXPECT_EQ(TouchPanel::tap(Point{260, 145}), "an alert is in front: tap one of its buttons");
    const Rect frame = alert->frame();
    const Rect retry = alert->buttonFrame(1);
    EXPECT_EQ(TouchPanel::tap(Point{frame.x() + retry.midX(), frame.y() + retry.midY()}), std::nullopt);
    EXPECT_EQ(choices->clicked, std::vector<int>{1});
    EXPECT_TRUE(screen->journal.empty());
}

TEST_F(TouchPanelTest, ADragScrollsTheScrollViewUnderTheFinger) {
    EXPECT_EQ(TouchPanel::drag(Point{60, 300}, 0, -40), std::nullopt);
    EXPECT_GT(screen->table->contentOffset().y, 0.0);
    EXPECT_EQ(TouchPanel::drag(Point{260, 145}, 0, -40), "nothing scrolls at that point");
}

TEST_F(TouchPanelTest, ATapOnTheKeyboardTypesTheKeyUnderTheFinger) {
    using Kind = KeyboardLayout::KeyKind;
    ASSERT_TRUE(screen->field->becomeFirstResponder());
    const auto keys = KeyboardLayout::keys(Keyboard::frame());
    const auto centreOf = [&](Kind kind, const std::string& letter = {}) {
        for (const auto& key : keys) {
            if (key.kind == kind && key.letter == letter) {
                return key.cap.center();
            }
        }
        ADD_FAILURE() << "no such key " << letter;
        return Point{};
    };
    const struct {
        Point point;
        std::optional<std::string> error;
        std::string text;
    } cases[] = {
        {centreOf(Kind::Letter, "h"), std::nullopt, "h"},
        {centreOf(Kind::Letter, "i"), std::nullopt, "hi"},
        {centreOf(Kind::Space), std::nullopt, "hi "},
        {centreOf(Kind::Backspace), std::nullopt, "hi"},
        {{1, 266}, std::nullopt, "hiq"},  // above the cap of q, in the gap between the keys
        {centreOf(Kind::Shift), "the shift and 123 keys do nothing here: type capitals, digits and signs with the keys",
         "hiq"},
        {{1, 330}, "no key of the keyboard at that point", "hiq"},  // beside a, the second row being indented
        {centreOf(Kind::Return), std::nullopt, "hiq"},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(TouchPanel::tap(each.point), each.error) << each.point.x << "," << each.point.y;
        EXPECT_EQ(screen->field->text(), each.text) << each.point.x << "," << each.point.y;
    }
    EXPECT_TRUE(screen->journal.empty()) << "no touch reached the table under the keyboard";
}

}  // namespace
}  // namespace platform::ui
