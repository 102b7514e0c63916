#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/ui/base/QOVViewController.h"
#include "platform/ui/NavigationController.h"

namespace qov {

// The Settings tab (tab item "settings"): a navigation stack whose root is the settings table. Its view is as
// high as the area the ad leaves free (kHeightWithAd while the ad shows, kHeightWithoutAd while it is hidden),
// following the root screen's ad notifications while it is shown. The location bar is hidden while the tab is
// shown. Main thread only.
class SettingsNavigationController : public QOVViewController {
public:
    static constexpr double kWidth = 320.0;
    static constexpr double kHeightWithAd = 361.0;
    static constexpr double kHeightWithoutAd = 411.0;

    explicit SettingsNavigationController(const std::string& nibName = {});

    std::optional<std::string> pageName() const override { return "Settings"; }
    void viewDidLoad() override;
    void viewDidUnload() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void viewControllerWillLoad() override;
    void viewControllerWillUnload() override;
    // The base theme, then the navigation bar's tint (the theme's navigation bar colour).
    void applyTheme() override;

    void adViewDidShow() override;
    void adViewDidHide() override;

    const std::shared_ptr<platform::ui::NavigationController>& navController() const { return m_navController; }

private:
    void fitToContentView();
    void setHeight(double height);
    void tintNavigationBar();

    std::shared_ptr<platform::ui::NavigationController> m_navController;
};

}  // namespace qov
