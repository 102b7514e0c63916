#include "app/shell/testmode/TestModeInterfaceFiles.h"

#include "app/shell/testmode/TestConsoleViewController.h"
#include "app/shell/testmode/TestModeViewController.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Screen.h"

namespace qov {

namespace {

using platform::ui::Rect;

Rect screenArea() {
    const auto frame = platform::ui::Screen::applicationFrame();
    return Rect(0.0, 0.0, frame.width(), frame.height());
}

std::shared_ptr<platform::ui::Label> whiteLabel(platform::ui::InterfaceContext& file, double y) {
    auto label = file.make<platform::ui::Label>(Rect(20.0, y, 180.0, 30.0));
    label->setTextColor(platform::gfx::Color::white());
    label->setBackgroundColor(platform::gfx::Color::clear());
    return label;
}

std::shared_ptr<platform::ui::SegmentedControl> testOrLive(platform::ui::InterfaceContext& file, double y) {
    auto control = file.make<platform::ui::SegmentedControl>(std::vector<std::string>{"Test", "Live"});
    control->setFrame(Rect(200.0, y, 100.0, 30.0));
    return control;
}

void registerTestModeScreen() {
    platform::ui::InterfaceFile::registerBuilder(
        "TestModeViewController-iPhone", [](platform::ui::InterfaceContext& file) {
            auto view = file.makeTopLevel<platform::ui::View>(screenArea());
            auto weatherLabel = whiteLabel(file, 60.0);
            auto weatherControl = testOrLive(file, 60.0);
            auto adsLabel = whiteLabel(file, 110.0);
            auto adsControl = testOrLive(file, 110.0);
            auto specificLabel = whiteLabel(file, 160.0);
            auto specificSwitch = file.make<platform::ui::Switch>(Rect(206.0, 160.0, 94.0, 27.0));
            auto adIdLabel = whiteLabel(file, 210.0);
            auto adIdField = file.make<platform::ui::TextField>(Rect(20.0, 245.0, 280.0, 31.0));
            adIdField->setBackgroundColor(platform::gfx::Color::white());
            for (const auto& part : std::initializer_list<std::shared_ptr<platform::ui::View>>{
                     weatherLabel, weatherControl, adsLabel, adsControl, specificLabel, specificSwitch, adIdLabel,
                     adIdField}) {
                view->addSubview(part);
            }
            if (auto owner = file.ownerAs<TestModeViewController>()) {
                owner->m_weatherDataLabel = weatherLabel;
                owner->m_wxDataControl = weatherControl;
                owner->m_adsLabel = adsLabel;
                owner->m_adsControl = adsControl;
                owner->m_showSpecificAdLabel = specificLabel;
                owner->m_specificAdsSwitch = specificSwitch;
                owner->m_adIdLabel = adIdLabel;
                owner->m_adIdTextField = adIdField;
                owner->setView(view);
            }
        });
}

void registerConsoleScreen() {
    platform::ui::InterfaceFile::registerBuilder(
        "TestConsoleViewController-iPhone", [](platform::ui::InterfaceContext& file) {
            const auto area = screenArea();
            auto view = file.makeTopLevel<platform::ui::View>(area);
            auto autoUpdate = file.make<platform::ui::Switch>(Rect(area.width() - 104.0, 60.0, 94.0, 27.0));
            autoUpdate->setOn(true);
            auto autoUpdateLabel = whiteLabel(file, 58.0);
            autoUpdateLabel->setText("Auto-update");
            auto table = file.make<platform::ui::TableView>(Rect(0.0, 95.0, area.width(), area.height() - 95.0),
                                                            platform::ui::TableViewStyle::Plain);
            // The last lines stay above the tab strip.
            table->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth |
                                       platform::ui::kAutoresizingFlexibleHeight);
            view->addSubview(autoUpdateLabel);
            view->addSubview(autoUpdate);
            view->addSubview(table);
            if (auto owner = file.ownerAs<TestConsoleViewController>()) {
                owner->m_autoUpdateSwitch = autoUpdate;
                owner->m_consoleTableView = table;
                owner->setView(view);
            }
        });
}

}  // namespace

void registerTestModeInterfaceFiles() {
    registerTestModeScreen();
    registerConsoleScreen();
    QOVViewController::registerClassFromNib<TestModeViewController>("TestModeViewController");
    QOVViewController::registerClassFromNib<TestConsoleViewController>("TestConsoleViewController");
}

}  // namespace qov
