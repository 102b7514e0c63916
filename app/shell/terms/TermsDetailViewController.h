#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/ui/base/QOVViewController.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"
#include "platform/ui/TextView.h"

namespace qov {

// An optional service of the terms (location services or diagnostics): its description and one row with a switch
// that turns it on or off. Turning location services on asks for a GPS fix. It follows
// "locationServiceStatusChangedToYESNotification" while it exists. Main thread only.
class TermsDetailViewController : public QOVViewController,
                                  public platform::ui::TableViewDataSource,
                                  public platform::ui::TableViewDelegate {
public:
    enum ControllerType { kLocationService = 0, kDiagnostics = 1 };
    static constexpr const char* kLocationServiceChangedNotification = "locationServiceStatusChangedToYESNotification";
    static constexpr const char* kCellIdentifier = "terms-tableview-cell";

    using QOVViewController::QOVViewController;
    ~TermsDetailViewController() override;

    // Outlets.
    std::shared_ptr<platform::ui::TableView> m_tableView;
    std::shared_ptr<platform::ui::TextView> m_serviceText;

    int controllerType() const { return m_controllerType; }
    void setControllerType(int type) { m_controllerType = type; }
    const std::string& serviceDescription() const { return m_serviceDescription; }

    void viewDidLoad() override;
    std::optional<std::string> pageName() const override { return "Terms and Conditions detail"; }
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const override;

    // The switch's action.
    void handleService(const platform::ui::Switch& control);
    void updateData();

    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;

private:
    bool isServiceEnabled() const;

    int m_controllerType = kLocationService;
    std::string m_serviceDescription;
};

}  // namespace qov
