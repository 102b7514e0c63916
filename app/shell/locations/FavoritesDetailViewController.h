#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/ui/base/QOVViewController.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextFieldDelegate.h"

namespace qov {

class QOVLocationIdentity;
class QOVLocationManager;

// One favourite's settings, pushed from the bookmarks screen: its nickname (stored by "Set", which also goes
// back) and whether it is the home and the push (alert) location. The switches change the location manager at
// once; a new push location reaches the push service with the next registration at start-up. While the
// nickname is edited the screen slides up so the field stays above the keyboard. Main thread only.
class FavoritesDetailViewController : public QOVViewController, public platform::ui::TextFieldDelegate {
public:
    static constexpr double kHiddenPushRowShift = -45.0;
    static constexpr double kSlideDuration = 0.3;

    static void registerInterfaceFile();

    using QOVViewController::QOVViewController;

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_cityNameLabel;
    std::shared_ptr<platform::ui::Label> m_nickNameLabel;
    std::shared_ptr<platform::ui::TextField> m_nickNameText;
    std::shared_ptr<platform::ui::Button> m_setButton;
    std::shared_ptr<platform::ui::Label> m_homeLabel;
    std::shared_ptr<platform::ui::Switch> m_homeSwitch;
    std::shared_ptr<platform::ui::Label> m_pushLabel;
    std::shared_ptr<platform::ui::Switch> m_pushSwitch;

    const std::string& cityName() const { return m_cityName; }
    void setCityName(std::string cityName) { m_cityName = std::move(cityName); }
    const std::shared_ptr<QOVLocationIdentity>& locationIdentity() const { return m_locationIdentity; }
    void setLocationIdentity(std::shared_ptr<QOVLocationIdentity> location) {
        m_locationIdentity = std::move(location);
    }
    const std::shared_ptr<QOVLocationManager>& locManager() const { return m_locManager; }

    std::optional<std::string> pageName() const override { return "Favorite Detail"; }
    void viewDidLoad() override;
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const override;

    void setButtonPressed();
    void handleHomeSwitch();
    void handlePushSwitch();
    // Hides the push row and moves the rows below it up into its place.
    void toggleFieldsToHidePush();
    static void toggleField(platform::ui::View& view, double amount);
    // Moves the screen's view down by amount (up when negative), animated.
    void slideView(double amount);

    void textFieldDidBeginEditing(platform::ui::TextField& field) override;
    void textFieldDidEndEditing(platform::ui::TextField& field) override;
    bool textFieldShouldReturn(platform::ui::TextField& field) override;

private:
    std::string m_cityName;
    std::shared_ptr<QOVLocationIdentity> m_locationIdentity;
    std::shared_ptr<QOVLocationManager> m_locManager;
};

}  // namespace qov
