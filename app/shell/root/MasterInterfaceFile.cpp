#include "app/shell/root/RootInterfaceFiles.h"

#include "app/neighbours/QOVAdView.h"
#include "app/shell/errorbar/ErrorBar.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/tabbar/SlidingTabBar.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Screen.h"

namespace qov {

namespace {

constexpr double kAdHeight = 50.0;
constexpr double kLocationBarHeight = 44.0;
constexpr double kTabStripHeight = SlidingTabBar::kHeight;
constexpr double kErrorBarHeight = ErrorBar::kHeight;

}  // namespace

// "QOVMasterViewController": the ad slot at the top, the location bar container under it, the content view, the
// tab strip container at the bottom, and the error bar container one bar height above the top of the screen
// (revealed, it covers the top bar).
void registerRootInterfaceFiles() {
    platform::ui::InterfaceFile::registerBuilder(
        QOVMasterViewController::kInterfaceFile, [](platform::ui::InterfaceContext& file) {
            auto owner = file.ownerAs<QOVMasterViewController>();
            const auto frame = platform::ui::Screen::applicationFrame();
            const double width = frame.width();
            auto view = file.makeTopLevel<platform::ui::View>(platform::ui::Rect(0.0, 0.0, width, frame.height()));
            // Bars moved out of the screen are out of sight.
            view->setClipsToBounds(true);
            const double contentTop = kAdHeight + kLocationBarHeight;
            auto content = file.make<platform::ui::View>(
                platform::ui::Rect(0.0, contentTop, width, frame.height() - contentTop - kTabStripHeight));
            auto strip = file.make<platform::ui::View>(
                platform::ui::Rect(0.0, frame.height() - kTabStripHeight, width, kTabStripHeight));
            auto locationBar =
                file.make<platform::ui::View>(platform::ui::Rect(0.0, kAdHeight, width, kLocationBarHeight));
            locationBar->setBackgroundColor(QOVThemeService::navBarColor());
            auto ad = file.make<QOVAdView>(platform::ui::Rect(0.0, 0.0, width, kAdHeight));
            auto errorBar =
                file.make<platform::ui::View>(platform::ui::Rect(0.0, -kErrorBarHeight, width, kErrorBarHeight));
            // The content view lies in front of the location bar container: hiding the location bar lets the
            // content grow over the container, which stays where it is.
            for (const auto& part : std::initializer_list<std::shared_ptr<platform::ui::View>>{locationBar, content,
                                                                                               strip, ad, errorBar}) {
                view->addSubview(part);
            }
            if (owner) {
                owner->m_contentView = content;
                owner->m_slidingBarView = strip;
                owner->m_locationBarView = locationBar;
                owner->m_adView = ad;
                owner->m_errorBarView = errorBar;
                ad->setDelegate(std::static_pointer_cast<QOVAdViewDelegate>(owner));
                owner->setView(view);
            }
        });
}

}  // namespace qov
