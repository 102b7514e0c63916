#include <gtest/gtest.h>

#include "app/shell/root/RootScreenState.h"
#include "app/shell/splash/SplashScreenViewController.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Screen.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace {

class SplashScreenTest : public qovtest::ApplicationWorld {};

TEST_F(SplashScreenTest, TheLogoFadesInCentredOverTheLaunchPictureThenTheSplashLeaves) {
    const auto delegate = launch();
    const auto splash = std::dynamic_pointer_cast<qov::SplashScreenViewController>(delegate->viewController());
    ASSERT_NE(splash, nullptr);
    const auto view = splash->view();
    ASSERT_EQ(view->subviews().size(), 2u);
    const auto background = std::dynamic_pointer_cast<platform::ui::ImageView>(view->subviews()[0]);
    const auto logo = view->subviews()[1];
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(background->frame(), platform::ui::Rect(0, 0, 320, 480));
    EXPECT_EQ(logo->frame().center(), platform::ui::Screen::bounds().center()) << "centred on the screen";
    EXPECT_EQ(logo->alpha(), 1.0) << "the fade's end state applies at once";

    advance(qov::SplashScreenViewController::kFadeDuration - 0.1);
    EXPECT_TRUE(qov::RootScreenState::isSplashShown());
    advance(0.1);
    EXPECT_EQ(view->superview(), nullptr);
    EXPECT_TRUE(qov::RootScreenState::isTermsScreenShown());
}

}  // namespace
