#include "app/shell/terms/TermsDetailViewController.h"

#include "app/core/location/QOVLocationManager.h"
#include "app/core/services/QOVSettingsService.h"
#include "platform/base/Callback.h"
#include "platform/base/NotificationCenter.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/TableViewCell.h"

namespace qov {

TermsDetailViewController::~TermsDetailViewController() {
    platform::NotificationCenter::defaultCenter().removeObserver(this, kLocationServiceChangedNotification);
}

void TermsDetailViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    const auto self = std::static_pointer_cast<TermsDetailViewController>(shared_from_this());
    platform::NotificationCenter::defaultCenter().addObserver(
        this, kLocationServiceChangedNotification,
        platform::bindWeak(
            self, [](TermsDetailViewController& detail, const platform::Notification&) { detail.updateData(); }));
    const bool location = m_controllerType == kLocationService;
    m_serviceDescription =
        platform::Bundle::main().localizedString(location ? "Location Service Debrief" : "Diagnostic Debrief");
    setTitle(location ? "Location Services" : "Diagnostic Information");
    if (m_serviceText) {
        m_serviceText->setText(m_serviceDescription);
    }
    if (m_tableView) {
        m_tableView->setDataSource(std::static_pointer_cast<platform::ui::TableViewDataSource>(self));
        m_tableView->setDelegate(std::static_pointer_cast<platform::ui::TableViewDelegate>(self));
    }
}

bool TermsDetailViewController::shouldAutorotateToInterfaceOrientation(
    platform::ui::DeviceOrientation orientation) const {
    return orientation == platform::ui::DeviceOrientation::Portrait;
}

bool TermsDetailViewController::isServiceEnabled() const {
    const auto settings = QOVSettingsService::sharedInstance();
    return m_controllerType == kLocationService ? settings->isAppLocationServiceEnabled()
                                                : settings->isCrashLogEnabled();
}

void TermsDetailViewController::handleService(const platform::ui::Switch& control) {
    const auto settings = QOVSettingsService::sharedInstance();
    if (m_controllerType == kLocationService) {
        settings->setAppLocationServiceEnabled(control.isOn());
        if (control.isOn()) {
            QOVLocationManager::sharedManager()->updateCurrentLocationWithGPS();
        }
    } else {
        settings->setCrashLogEnabled(control.isOn());
    }
}

void TermsDetailViewController::updateData() {
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

int TermsDetailViewController::tableViewNumberOfRowsInSection(platform::ui::TableView&, int) { return 1; }

std::shared_ptr<platform::ui::TableViewCell> TermsDetailViewController::tableViewCellForRow(
    platform::ui::TableView& tableView, const platform::ui::IndexPath&) {
    auto cell = tableView.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell =
            std::make_shared<platform::ui::TableViewCell>(platform::ui::TableViewCellStyle::Default, kCellIdentifier);
    }
    cell->textLabel()->setText(title());
    cell->textLabel()->setTextAlignment(platform::gfx::TextAlignment::Left);
    auto control = std::make_shared<platform::ui::Switch>();
    control->setOn(isServiceEnabled());
    control->addAction(platform::ui::kControlEventValueChanged,
                       platform::bindWeak(std::static_pointer_cast<TermsDetailViewController>(shared_from_this()),
                                          [](TermsDetailViewController& detail, platform::ui::Control& sender) {
                                              detail.handleService(static_cast<platform::ui::Switch&>(sender));
                                          }));
    cell->setAccessoryView(control);
    return cell;
}

}  // namespace qov
