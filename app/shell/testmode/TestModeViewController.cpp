#include "app/shell/testmode/TestModeViewController.h"

#include "app/core/datasource/QOVDatasouce.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/neighbours/QOVAdManager.h"
#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Callback.h"
#include "platform/ui/Image.h"
#include "platform/ui/ViewAnimation.h"

namespace qov {

namespace {

constexpr int kTestSegment = 0;
constexpr int kLiveSegment = 1;

int segmentFor(bool testMode) { return testMode ? kTestSegment : kLiveSegment; }

}  // namespace

TestModeViewController::TestModeViewController(const std::string& nibName) : QOVViewController(nibName) {
    setTitle(localized("testmode.tabbar.title"));
    setSlidingTabBarItem(SlidingTabBarItem::create("debugsettings", title(),
                                                   platform::ui::Image::named("tabbar-icon-debug-settings.png"), 1,
                                                   "TestMode", "TESTMODE"));
}

void TestModeViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    const std::pair<platform::ui::Label*, const char*> labels[] = {
        {m_weatherDataLabel.get(), "testmode.wxdata.label"},
        {m_adsLabel.get(), "testmode.ads.label"},
        {m_showSpecificAdLabel.get(), "testmode.showSpecific.label"},
        {m_adIdLabel.get(), "testmode.adId.label"},
    };
    for (const auto& [label, key] : labels) {
        if (label) {
            label->setText(localized(key));
        }
    }
    const auto ads = QOVAdManager::sharedManager();
    m_adTestString = ads->testAdIdentifier();
    if (m_adIdTextField) {
        m_adIdTextField->setText(m_adTestString);
    }
    if (m_adsControl) {
        m_adsControl->setSelectedSegmentIndex(segmentFor(ads->isInTestMode()));
    }
    if (m_wxDataControl) {
        const auto datasource = QOVDatasourceFactory::sharedInstance()->datasource();
        m_wxDataControl->setSelectedSegmentIndex(segmentFor(datasource && datasource->isInTestMode()));
    }
    if (m_specificAdsSwitch) {
        m_specificAdsSwitch->setOn(ads->isUsingTestAdId());
    }
    enableSpecificAdChoice(ads->isInTestMode());
    wireActions();
}

void TestModeViewController::wireActions() {
    const auto self = std::static_pointer_cast<TestModeViewController>(shared_from_this());
    if (m_wxDataControl) {
        m_wxDataControl->addAction(
            platform::ui::kControlEventValueChanged,
            platform::bindWeak(self, [](TestModeViewController& screen, platform::ui::Control& c) {
                screen.wxTestControlUpdated(static_cast<platform::ui::SegmentedControl&>(c));
            }));
    }
    if (m_adsControl) {
        m_adsControl->addAction(platform::ui::kControlEventValueChanged,
                                platform::bindWeak(self, [](TestModeViewController& screen, platform::ui::Control& c) {
                                    screen.adsTestControlUpdated(static_cast<platform::ui::SegmentedControl&>(c));
                                }));
    }
    if (m_specificAdsSwitch) {
        m_specificAdsSwitch->addAction(
            platform::ui::kControlEventValueChanged,
            platform::bindWeak(self, [](TestModeViewController& screen, platform::ui::Control& c) {
                screen.showSpecificAdUpdated(static_cast<platform::ui::Switch&>(c));
            }));
    }
    if (m_adIdTextField) {
        m_adIdTextField->setDelegate(std::static_pointer_cast<platform::ui::TextFieldDelegate>(self));
    }
}

void TestModeViewController::enableSpecificAdChoice(bool enabled) {
    if (m_specificAdsSwitch) {
        m_specificAdsSwitch->setEnabled(enabled);
    }
    if (m_adIdTextField) {
        m_adIdTextField->setEnabled(enabled);
    }
}

void TestModeViewController::wxTestControlUpdated(platform::ui::SegmentedControl& control) {
    if (const auto datasource = QOVDatasourceFactory::sharedInstance()->datasource()) {
        datasource->setTestMode(control.selectedSegmentIndex() == kTestSegment);
    }
}

void TestModeViewController::adsTestControlUpdated(platform::ui::SegmentedControl& control) {
    const bool testMode = control.selectedSegmentIndex() == kTestSegment;
    QOVAdManager::sharedManager()->setInTestMode(testMode);
    enableSpecificAdChoice(testMode);
}

void TestModeViewController::showSpecificAdUpdated(platform::ui::Switch& toggle) {
    QOVAdManager::sharedManager()->setUsingTestAdId(toggle.isOn());
}

void TestModeViewController::slideView(double offset) {
    platform::ui::ViewAnimation::animate(kEditingSlideDuration, [this, offset] {
        auto frame = view()->frame();
        frame.origin.y += offset;
        frame.size.height += offset;
        view()->setFrame(frame);
    });
}

void TestModeViewController::textFieldDidBeginEditing(platform::ui::TextField&) { slideView(-kEditingLift); }
void TestModeViewController::textFieldDidEndEditing(platform::ui::TextField&) { slideView(kEditingLift); }

bool TestModeViewController::textFieldShouldReturn(platform::ui::TextField& field) {
    field.resignFirstResponder();
    m_adTestString = field.text();
    QOVAdManager::sharedManager()->setTestAdIdentifier(m_adTestString);
    return false;
}

}  // namespace qov
