#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/TouchPanel.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/SampleScreenFixture.h"
#include "tests/support/TempHome.h"

namespace platform::ui {
namespace {

using ScreenRendererTest = SampleScreenFixture;

bool near(const gfx::Color& color, const gfx::Color& expected) {
    return std::abs(color.red - expected.red) < 0.03 && std::abs(color.green - expected.green) < 0.03 &&
           std::abs(color.blue - expected.blue) < 0.03 && std::abs(color.alpha - expected.alpha) < 0.03;
}

int darkPixels(const gfx::Image& image, const Rect& area) {
    int count = 0;
    for (int y = int(area.y()); y < int(area.maxY()); ++y) {
        for (int x = int(area.x()); x < int(area.maxX()); ++x) {
            if (image.pixel(x, y).red < 0.5) {
                ++count;
            }
        }
    }
    return count;
}

TEST_F(ScreenRendererTest, ScreenPngShowsBackgroundsAlphaTextAndStatusBar) {
    qovtest::TempHome home;
    const auto path = (home.path() / "screen.png").string();
    ASSERT_TRUE(ScreenRenderer::writeScreen(path));
    const auto image = gfx::Image::fromPNGFile(path);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 320);
    EXPECT_EQ(image->height(), 480);
    EXPECT_TRUE(near(image->pixel(5, 5), gfx::Color::black()));               // status bar
    EXPECT_TRUE(near(image->pixel(50, 70), gfx::Color::rgba(1, 0, 0)));       // red square under it
    EXPECT_TRUE(near(image->pixel(250, 70), gfx::Color::rgba(0.5, 0.5, 1)));  // blue at half alpha on white
    EXPECT_TRUE(near(image->pixel(150, 70), gfx::Color::white()));            // the green square is hidden
    EXPECT_GT(darkPixels(*image, Rect(10, 130, 100, 30)), 20);                // "Today"
    EXPECT_EQ(darkPixels(*image, Rect(120, 130, 90, 30)), 0);
    EXPECT_GT(darkPixels(*image, Rect(0, 270, 320, 44)), 20);  // "Row 0"
    EXPECT_FALSE(ScreenRenderer::writeScreen((home.path() / "no" / "such.png").string()));
    const auto label = ScreenRenderer::renderView(*screen->label);  // a single view at its own size
    EXPECT_EQ(label->width(), 200);
    EXPECT_EQ(label->height(), 30);
    EXPECT_GT(darkPixels(*label, Rect(0, 0, 200, 30)), 20);
}

TEST_F(ScreenRendererTest, QuarterTurnedViewsAreDrawnTurned) {
    auto bar = std::make_shared<View>(Rect(100, 300, 100, 20));
    bar->setBackgroundColor(gfx::Color::rgba(0, 1, 0));
    bar->setRotation(std::numbers::pi / 2.0);
    screen->view()->addSubview(bar);
    screen->table->setHidden(true);
    const auto image = ScreenRenderer::renderScreen();
    // The frame is now {140, 260, 20, 100} in the screen's view, which starts 20 points down.
    EXPECT_TRUE(near(image->pixel(150, 290), gfx::Color::rgba(0, 1, 0)));
    EXPECT_TRUE(near(image->pixel(150, 370), gfx::Color::rgba(0, 1, 0)));
    EXPECT_TRUE(near(image->pixel(110, 330), gfx::Color::white()));

    // For a denser display every point is drawn as 2 x 2 pixels.
    const auto dense = ScreenRenderer::renderScreen(2.0);
    EXPECT_EQ(dense->width(), 640);
    EXPECT_TRUE(near(dense->pixel(300, 580), gfx::Color::rgba(0, 1, 0)));
    EXPECT_TRUE(near(dense->pixel(220, 660), gfx::Color::white()));
    EXPECT_FALSE(dense->samePixels(*image));
    EXPECT_TRUE(image->samePixels(*ScreenRenderer::renderScreen()));
}

TEST_F(ScreenRendererTest, ALayerDrawsItsContentsOverTheBackgroundInsideItsRoundedCorners) {
    gfx::BitmapContext blue(2, 2);
    blue.fillRect(Rect(0, 0, 2, 2), gfx::Color::rgba(0, 0, 1));
    View view(Rect(0, 0, 40, 40));
    view.setBackgroundColor(gfx::Color::rgba(1, 0, 0));
    view.layer().contents = blue.makeImage();
    view.layer().cornerRadius = 10;
    const auto drawn = ScreenRenderer::renderView(view);
    EXPECT_EQ(drawn->pixel(0, 0).alpha, 0);
    EXPECT_EQ(drawn->pixel(20, 20), gfx::Color::rgba(0, 0, 1));
    EXPECT_EQ(drawn->pixel(39, 39).alpha, 0);
}

TEST_F(ScreenRendererTest, AlertsAreDrawnOverADimmedScreen) {
    auto alert =
        std::make_shared<AlertView>("Notice", "No network", std::weak_ptr<AlertViewDelegate>(), std::string("OK"));
    alert->show();
    const auto image = ScreenRenderer::renderScreen();
    EXPECT_TRUE(near(image->pixel(50, 70), gfx::Color::rgba(0.6, 0, 0)));
    const Rect frame = alert->frame();
    const gfx::Color inside = image->pixel(int(frame.x() + 4), int(frame.y() + 4));
    EXPECT_LT(inside.red, 0.2);
    EXPECT_GT(inside.blue, 0.25);
}

TEST_F(ScreenRendererTest, DumpListsVisibleViewsWithFramesAndTexts) {
    const std::string dump = ScreenDump::dumpScreen();
    EXPECT_NE(dump.find("View {0, 20, 320, 460} background #FFFFFF\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("SegmentedControl {10, 170, 300, 30} \"[Now] | Hourly | Daily\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("        Label {10, 270, 300, 44} \"Row 0\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("\"Row 4\""), std::string::npos);
    EXPECT_EQ(dump.find("{100, 20, 100, 100}"), std::string::npos) << "hidden view listed";
    screen->table->setContentOffset(Point{0, 100});
    const std::string scrolled = ScreenDump::dumpScreen();
    EXPECT_EQ(scrolled.find("\"Row 0\""), std::string::npos) << scrolled;
    EXPECT_NE(scrolled.find("Label {10, 258, 300, 44} \"Row 2\""), std::string::npos) << scrolled;
}

TEST_F(ScreenRendererTest, DumpShowsOnlyTheTopPresentationAndAlerts) {
    auto modal = std::make_shared<ViewController>();
    screen->presentModalViewController(modal, false);
    auto alert = std::make_shared<AlertView>("Notice", "Saved", std::weak_ptr<AlertViewDelegate>(), std::string("OK"));
    alert->show();
    const std::string dump = ScreenDump::dumpScreen();
    EXPECT_EQ(dump.find("Today"), std::string::npos) << dump;
    EXPECT_NE(dump.find("AlertView"), std::string::npos);
    EXPECT_NE(dump.find("\"Notice: Saved [0 OK]\""), std::string::npos) << dump;
}

TEST_F(ScreenRendererTest, TextSetOnAButtonsTitleLabelIsDrawnWhileTheStateHasNoTitle) {
    auto button = std::make_shared<Button>(ButtonType::RoundedRect, Rect(0, 0, 100, 44));
    EXPECT_EQ(darkPixels(*ScreenRenderer::renderView(*button), button->bounds()), 0);
    button->titleLabel()->setText("Weather");
    EXPECT_EQ(button->text(), "Weather");
    EXPECT_GT(darkPixels(*ScreenRenderer::renderView(*button), button->bounds()), 20);
}

TEST_F(ScreenRendererTest, DumpShowsStateLeavesOutCoveredViewsAndFollowsRotation) {
    screen->button->setSelected(true);
    screen->button->setEnabled(false);
    screen->button->setAlpha(0.5);
    screen->label->setTextColor(gfx::Color::rgba(1, 0, 0, 0.5));
    screen->label->setText("Say \"hi\" a\\b\x1b");
    screen->table->setEditing(true);
    auto picture =
        std::make_shared<ImageView>(std::make_shared<Image>(gfx::BitmapContext(4, 4).makeImage(), "sun.png"));
    screen->view()->addSubview(picture);
    auto turned = std::make_shared<View>(Rect(60, 190, 200, 100));  // centre (160, 240)
    turned->setRotation(std::numbers::pi / 2);
    turned->addSubview(std::make_shared<Label>(Rect(0, 0, 20, 10)));
    screen->view()->addSubview(turned);
    auto cover = std::make_shared<View>(Rect(0, 0, 320, 100));
    cover->setBackgroundColor(gfx::Color::white());
    screen->view()->addSubview(cover);

    const std::string dump = ScreenDump::dumpScreen();
    EXPECT_NE(dump.find("Button {220, 130, 90, 30} \"Refresh\" alpha 0.5 selected disabled color #334D80 "
                        "font DejaVuSans-Bold 15\n"),
              std::string::npos)
        << dump;
    EXPECT_NE(dump.find("Label {10, 130, 200, 30} \"Say \\\"hi\\\" a\\\\b\\x1B\" color #FF000080 font DejaVuSans 17\n"),
              std::string::npos)
        << dump;
    EXPECT_NE(dump.find("TableView {0, 270, 320, 210} editing separator #AAAAAA background #FFFFFF\n"),
              std::string::npos)
        << dump;
    EXPECT_NE(dump.find("  View {110, 160, 100, 200} rotation 90\n    Label {200, 160, 10, 20} color #000000 "
                        "font DejaVuSans 17\n"),
              std::string::npos)
        << dump;
    EXPECT_EQ(dump.find("{0, 20, 100, 100}"), std::string::npos) << "the covered square is left out\n" << dump;
    EXPECT_EQ(dump.find("sun.png"), std::string::npos) << "the covered image is left out\n" << dump;
    cover->removeFromSuperview();
    EXPECT_NE(ScreenDump::dumpScreen().find("ImageView {0, 20, 4, 4} image sun.png\n"), std::string::npos);
}

TEST_F(ScreenRendererTest, TheKeyboardIsDrawnInItsFrameWhileShownAndTakesTheTouchesThere) {
    const Point gap{1, 266}, keyCap{10, 280}, row{60, 290};  // all over the table, inside the keyboard's frame
    ASSERT_TRUE(screen->field->becomeFirstResponder());
    auto image = ScreenRenderer::renderScreen();
    EXPECT_TRUE(near(image->pixel(int(gap.x), int(gap.y)), gfx::Color::white(0.82)));
    EXPECT_TRUE(near(image->pixel(int(keyCap.x), int(keyCap.y)), gfx::Color::white()));
    EXPECT_NE(ScreenDump::dumpScreen().find("\nKeyboard {0, 264, 320, 216}\n"), std::string::npos);
    EXPECT_EQ(TouchPanel::tap(row), std::nullopt) << "the finger is on the key w";
    EXPECT_EQ(screen->field->text(), "w");
    EXPECT_EQ(TouchPanel::drag(row, 0, -40), "the keyboard is there: nothing under it moves");
    EXPECT_TRUE(screen->journal.empty());
    EXPECT_EQ(Keyboard::returnKeyTitle(), "return");
    screen->field->setReturnKeyType(ReturnKeyType::Done);
    EXPECT_EQ(Keyboard::returnKeyTitle(), "Done");

    ASSERT_TRUE(screen->field->resignFirstResponder());
    image = ScreenRenderer::renderScreen();
    EXPECT_TRUE(near(image->pixel(int(gap.x), int(gap.y)), gfx::Color::white()));
    EXPECT_EQ(ScreenDump::dumpScreen().find("Keyboard"), std::string::npos);
    EXPECT_EQ(TouchPanel::tap(row), std::nullopt);
    EXPECT_EQ(screen->journal, std::vector<std::string>{"row 0"});
}

}  // namespace
}  // namespace platform::ui
