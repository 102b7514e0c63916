#include "app/shell/splash/SplashScreenViewController.h"

#include "app/shell/application/QOVAppDelegate.h"
#include "platform/base/Callback.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ViewAnimation.h"

namespace qov {

namespace {

std::shared_ptr<platform::ui::ImageView> imageViewNamed(const char* name) {
    auto image = platform::ui::Image::named(name);
    auto view = std::make_shared<platform::ui::ImageView>(image);
    const auto size = image ? image->size() : platform::ui::Size{};
    view->setFrame(platform::ui::Rect(0.0, 0.0, size.width, size.height));
    return view;
}

}  // namespace

void SplashScreenViewController::loadView() {
    setView(std::make_shared<platform::ui::View>(platform::ui::Screen::bounds()));
}

void SplashScreenViewController::viewDidLoad() {
    ViewController::viewDidLoad();
    const auto root = view();
    root->addSubview(imageViewNamed(kBackgroundImage));

    auto logo = imageViewNamed(kLogoImage);
    const auto bounds = root->bounds();
    const auto logoSize = logo->frame().size;
    logo->setFrame(platform::ui::Rect(bounds.size.width * 0.5 - logoSize.width * 0.5,
                                      bounds.size.height * 0.5 - logoSize.height * 0.5, logoSize.width,
                                      logoSize.height));
    logo->setAlpha(0.0);
    root->addSubview(logo);

    const auto self = std::static_pointer_cast<SplashScreenViewController>(shared_from_this());
    platform::ui::ViewAnimation::animate(
        kFadeDuration, [logo] { logo->setAlpha(1.0); },
        platform::bindWeak(self, [](SplashScreenViewController& splash, bool) {
            splash.view()->removeFromSuperview();
            if (const auto delegate = QOVAppDelegate::currentAppDelegate()) {
                delegate->presentMainViewAfterSplash();
            }
        }));
}

bool SplashScreenViewController::shouldAutorotateToInterfaceOrientation(
    platform::ui::DeviceOrientation orientation) const {
    return orientation == platform::ui::DeviceOrientation::Portrait;
}

}  // namespace qov
