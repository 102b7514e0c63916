#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/ui/base/QOVViewController.h"
#include "platform/ui/Label.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextFieldDelegate.h"

namespace qov {

// The test-mode tab (tab item "debugsettings"), present in test mode: points the weather data client at the
// test service, puts the ads into test mode and forces one test ad by its identifier. Segment 0 of either
// control means test, 1 live. Main thread only.
class TestModeViewController : public QOVViewController, public platform::ui::TextFieldDelegate {
public:
    static constexpr double kEditingLift = 20.0;
    static constexpr double kEditingSlideDuration = 0.25;

    explicit TestModeViewController(const std::string& nibName = {});

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_weatherDataLabel;
    std::shared_ptr<platform::ui::Label> m_adsLabel;
    std::shared_ptr<platform::ui::Label> m_showSpecificAdLabel;
    std::shared_ptr<platform::ui::Label> m_adIdLabel;
    std::shared_ptr<platform::ui::TextField> m_adIdTextField;
    std::shared_ptr<platform::ui::SegmentedControl> m_wxDataControl;
    std::shared_ptr<platform::ui::SegmentedControl> m_adsControl;
    std::shared_ptr<platform::ui::Switch> m_specificAdsSwitch;

    std::optional<std::string> pageName() const override { return "TestSettings"; }
    void viewDidLoad() override;

    void wxTestControlUpdated(platform::ui::SegmentedControl& control);
    void adsTestControlUpdated(platform::ui::SegmentedControl& control);
    void showSpecificAdUpdated(platform::ui::Switch& toggle);

    void textFieldDidBeginEditing(platform::ui::TextField& field) override;
    void textFieldDidEndEditing(platform::ui::TextField& field) override;
    bool textFieldShouldReturn(platform::ui::TextField& field) override;

    const std::string& adTestString() const { return m_adTestString; }

private:
    void wireActions();
    void enableSpecificAdChoice(bool enabled);
    // Moves the view down by offset and makes it offset taller (both negative to lift it), animated.
    void slideView(double offset);

    std::string m_adTestString;
};

}  // namespace qov
