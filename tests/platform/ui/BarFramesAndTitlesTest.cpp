// What the bars and buttons show: where each bar and its items sit, and a button's title once it changes, as the
// screen's dump lists it and as it is drawn.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gfx/Image.h"
#include "platform/ui/Button.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/Window.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

class BarFramesAndTitlesTest : public UiFixture {
protected:
    static std::shared_ptr<ViewController> titled(const std::string& title) {
        auto screen = std::make_shared<ViewController>();
        screen->setTitle(title);
        return screen;
    }
    // The dump's line for the first view of the class, without its indentation.
    static std::string lineOf(const std::string& className) {
        const std::string dump = ScreenDump::dumpScreen();
        const auto at = dump.find(className + " {");
        return at == std::string::npos ? "(none)" : dump.substr(at, dump.find('\n', at) - at);
    }

    std::shared_ptr<Window> m_window = std::make_shared<Window>();
};

TEST_F(BarFramesAndTitlesTest, TheNavigationBarTopsTheStackAcrossItsWidth) {
    const auto navigation = std::make_shared<NavigationController>(titled("Settings"));
    m_window->setRootViewController(navigation);
    m_window->makeKeyAndVisible();
    EXPECT_EQ(lineOf("NavigationBar"), "NavigationBar {0, 20, 320, 44} \"Settings\" tint #6E85A1");
    EXPECT_EQ(navigation->topViewController()->view()->frame(), Rect(0, 44, 320, 416));

    // A pushed screen's bar: its title in the middle, a back button titled after the screen below on the left.
    navigation->pushViewController(titled("Units"), false);
    EXPECT_EQ(lineOf("NavigationBar"), "NavigationBar {0, 20, 320, 44} \"Units\" tint #6E85A1 back \"Settings\"");
    const Rect back = navigation->navigationBar()->leftFrame();
    EXPECT_EQ(back.x(), 5.0);
    EXPECT_EQ(back.y(), 7.0);
    EXPECT_EQ(back.height(), 30.0);
    EXPECT_GE(back.width(), 30.0);
    EXPECT_EQ(navigation->navigationBar()->rightFrame(), Rect(315, 7, 0, 30)) << "no right item";

    // A wider stack stretches its bar; a hidden bar gives its room to the screen.
    navigation->view()->setFrame(Rect(0, 20, 480, 300));
    EXPECT_EQ(navigation->navigationBar()->frame(), Rect(0, 0, 480, 44));
    navigation->setNavigationBarHidden(true, false);
    EXPECT_EQ(lineOf("NavigationBar"), "(none)");
    EXPECT_EQ(navigation->topViewController()->view()->frame(), Rect(0, 0, 480, 300));
}

TEST_F(BarFramesAndTitlesTest, ToolbarItemsSitSideBySideAndAFlexibleSpaceTakesWhatIsLeft) {
    const auto item = [](const char* title, double width) {
        auto made = std::make_shared<BarButtonItem>(title, BarButtonItemStyle::Bordered);
        made->setWidth(width);
        return made;
    };
    auto spinner = std::make_shared<View>(Rect(0, 0, 20, 20));
    const auto bar = std::make_shared<Toolbar>(Rect(0, 416, 320, 44));
    bar->setItems({item("Options", 64), item("Play", 52),
                   std::make_shared<BarButtonItem>(BarButtonSystemItem::FlexibleSpace), item("Tropical", 66),
                   item("Full Screen", 86)});
    // Six points apart and from the ends, seven from the top and the foot: 320 - 6 - 5 * 6 - 268 = 16 are left.
    EXPECT_EQ(bar->itemFrames(), (std::vector<Rect>{Rect(6, 7, 64, 30), Rect(76, 7, 52, 30), Rect(134, 7, 16, 30),
                                                    Rect(156, 7, 66, 30), Rect(228, 7, 86, 30)}));

    // A custom view sits in its place, centred across the bar.
    bar->setItems({item("Options", 64), std::make_shared<BarButtonItem>(spinner)});
    EXPECT_EQ(spinner->superview(), bar);
    EXPECT_EQ(spinner->frame(), Rect(76, 12, 20, 20));
}

TEST_F(BarFramesAndTitlesTest, TheSearchBarsCancelButtonSitsAtItsRightEnd) {
    SearchBar bar(Rect(0, 0, 320, 44));
    EXPECT_EQ(bar.cancelButtonFrame(), Rect()) << "none until asked for";
    bar.setShowsCancelButton(true);
    EXPECT_EQ(bar.cancelButtonFrame(), Rect(254, 7, 60, 30));
    bar.setFrame(Rect(0, 0, 208, 44));
    EXPECT_EQ(bar.cancelButtonFrame(), Rect(142, 7, 60, 30));
}

TEST_F(BarFramesAndTitlesTest, AButtonShowsAndDrawsItsTitleOnceItChanges) {
    const auto button = [](const std::string& title) {
        auto made = std::make_shared<Button>(ButtonType::RoundedRect, Rect(110, 200, 100, 44));
        made->setTitle(title);
        return made;
    };
    const auto root = std::make_shared<ViewController>();
    m_window->setRootViewController(root);
    m_window->makeKeyAndVisible();
    const auto play = button("Play");
    root->view()->addSubview(play);
    const auto drawnPlay = ScreenRenderer::renderView(*play);

    play->setTitle("Stop");
    EXPECT_EQ(lineOf("Button"), "Button {110, 220, 100, 44} \"Stop\" color #334D80 font DejaVuSans-Bold 15");
    const auto drawnStop = ScreenRenderer::renderView(*play);
    EXPECT_FALSE(drawnStop->samePixels(*drawnPlay));
    EXPECT_TRUE(drawnStop->samePixels(*ScreenRenderer::renderView(*button("Stop"))));

    // A state's own title shows while the button is in that state, the normal one again after.
    play->setTitle("Stopping", kControlStateHighlighted);
    play->setHighlighted(true);
    EXPECT_EQ(lineOf("Button"),
              "Button {110, 220, 100, 44} \"Stopping\" highlighted color #334D80 font DejaVuSans-Bold 15");
    EXPECT_TRUE(ScreenRenderer::renderView(*play)->samePixels(*ScreenRenderer::renderView(*button("Stopping"))));
    play->setHighlighted(false);
    EXPECT_TRUE(ScreenRenderer::renderView(*play)->samePixels(*drawnStop));

    // Disabled, the title is drawn fainter.
    play->setEnabled(false);
    EXPECT_EQ(lineOf("Button"), "Button {110, 220, 100, 44} \"Stop\" disabled color #334D80 font DejaVuSans-Bold 15");
    EXPECT_FALSE(ScreenRenderer::renderView(*play)->samePixels(*drawnStop));
}

}  // namespace
}  // namespace platform::ui
