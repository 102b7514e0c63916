#include "platform/ui/TouchPanel.h"

#include <gtest/gtest.h>

#include "platform/ui/AlertView.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/KeyboardLayout.h"
#include "platform/ui/TapGestureRecognizer.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/SampleScreenFixture.h"

namespace platform::ui {
namespace {

using TouchPanelTest = SampleScreenFixture;

// The middle of the shown keyboard's key of that kind (and character).
Point keyCentre(KeyboardLayout::KeyKind kind, const std::string& character = {}) {
    for (const auto& key : KeyboardLayout::keys(Keyboard::frame(), Keyboard::layer())) {
        if (key.kind == kind && key.character == character) {
            return key.cap.center();
        }
    }
    ADD_FAILURE() << "no such key " << character;
    return Point{};
}

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
    const auto centreOf = [](Kind kind, const std::string& character = {}) { return keyCentre(kind, character); };
    const struct {
        Point point;
        std::optional<std::string> error;
        std::string text;
    } cases[] = {
        {centreOf(Kind::Character, "h"), std::nullopt, "h"},
        {centreOf(Kind::Character, "i"), std::nullopt, "hi"},
        {centreOf(Kind::Space), std::nullopt, "hi "},
        {centreOf(Kind::Backspace), std::nullopt, "hi"},
        {{1, 266}, std::nullopt, "hiq"},  // above the cap of q, in the gap between the keys
        {centreOf(Kind::Shift), "the shift key does nothing here: type capitals with the keys", "hiq"},
        {{1, 330}, "no key of the keyboard at that point", "hiq"},  // beside a, the second row being indented
        {centreOf(Kind::Return), std::nullopt, "hiq"},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(TouchPanel::tap(each.point), each.error) << each.point.x << "," << each.point.y;
        EXPECT_EQ(screen->field->text(), each.text) << each.point.x << "," << each.point.y;
    }
    EXPECT_TRUE(screen->journal.empty()) << "no touch reached the table under the keyboard";
}

TEST_F(TouchPanelTest, TheLayerSwitchTurnsTheKeysToDigitsAndSignsAndBack) {
    using Kind = KeyboardLayout::KeyKind;
    ASSERT_TRUE(screen->field->becomeFirstResponder());
    const Point layerSwitch = keyCentre(Kind::LayerSwitch);
    const Point topLeft = keyCentre(Kind::Character, "q");
    EXPECT_EQ(TouchPanel::tap(layerSwitch), std::nullopt);
    EXPECT_EQ(Keyboard::layer(), KeyboardLayout::Layer::Numbers);
    EXPECT_EQ(TouchPanel::tap(topLeft), std::nullopt);
    EXPECT_EQ(TouchPanel::tap(keyCentre(Kind::Character, "-")), std::nullopt);
    EXPECT_EQ(TouchPanel::tap(keyCentre(Kind::Character, "?")), std::nullopt);
    EXPECT_EQ(TouchPanel::tap(layerSwitch), std::nullopt);
    EXPECT_EQ(TouchPanel::tap(topLeft), std::nullopt);
    EXPECT_EQ(screen->field->text(), "1-?q");
    EXPECT_EQ(TouchPanel::tap(keyCentre(Kind::Shift)).has_value(), true) << "letters have shift, digits do not";

    // A keyboard raised again shows its letters.
    EXPECT_EQ(TouchPanel::tap(layerSwitch), std::nullopt);
    screen->field->resignFirstResponder();
    EXPECT_FALSE(Keyboard::switchLayer()) << "a hidden keyboard switches nothing";
    ASSERT_TRUE(screen->field->becomeFirstResponder());
    EXPECT_EQ(Keyboard::layer(), KeyboardLayout::Layer::Letters);
}

TEST_F(TouchPanelTest, TheSecondTapOfADoubleTapGoesToADoubleTapRecogniserOrIsOneMoreTap) {
    // A button takes both taps of a double tap as taps.
    EXPECT_EQ(TouchPanel::tap(Point{260, 145}), std::nullopt);
    EXPECT_EQ(TouchPanel::tap(Point{260, 145}, 2), std::nullopt);
    EXPECT_EQ(screen->journal, (std::vector<std::string>{"refresh", "refresh"}));
    // The white root view, beside everything else on it, knows only double taps.
    int doubleTaps = 0;
    auto recogniser = std::make_shared<TapGestureRecognizer>([&](TapGestureRecognizer&) { ++doubleTaps; });
    recogniser->setNumberOfTapsRequired(2);
    screen->view()->addGestureRecognizer(recogniser);
    EXPECT_EQ(TouchPanel::tap(Point{150, 70}), "nothing there responds to taps");
    EXPECT_EQ(TouchPanel::tap(Point{150, 70}, 2), std::nullopt);
    EXPECT_EQ(doubleTaps, 1);
}

}  // namespace
}  // namespace platform::ui
