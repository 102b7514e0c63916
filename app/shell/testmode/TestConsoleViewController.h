#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ui/base/QOVViewController.h"
#include "platform/base/RunLoop.h"
#include "platform/ui/Switch.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"

namespace qov {

// The test-console tab (tab item "console"), present in test mode: the application's recent log lines from the
// delegate's in-memory logger, read again every kRefreshInterval seconds while the screen is shown and the
// auto-update switch is on, newest at the bottom. Main thread only; the logger is read through snapshots.
class TestConsoleViewController : public QOVViewController,
                                  public platform::ui::TableViewDataSource,
                                  public platform::ui::TableViewDelegate {
public:
    static constexpr double kRefreshInterval = 2.0;
    static constexpr double kTextWidth = 320.0;
    static constexpr const char* kCellIdentifier = "ConsoleCell";
    static constexpr int kTextTag = 100;
    static constexpr int kBackgroundTag = 101;

    explicit TestConsoleViewController(const std::string& nibName = {});
    ~TestConsoleViewController() override;

    // Outlets.
    std::shared_ptr<platform::ui::TableView> m_consoleTableView;
    std::shared_ptr<platform::ui::Switch> m_autoUpdateSwitch;

    std::optional<std::string> pageName() const override { return "TestConsole"; }
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void updateLogData();
    const std::vector<std::string>& logBuffer() const { return m_logBuffer; }
    bool isRefreshing() const { return m_refreshTimer && m_refreshTimer->isValid(); }

    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    std::optional<double> tableViewHeightForRow(platform::ui::TableView& tableView,
                                                const platform::ui::IndexPath& indexPath) override;

private:
    void stopRefreshing();

    std::vector<std::string> m_logBuffer;
    std::shared_ptr<platform::Timer> m_refreshTimer;
};

}  // namespace qov
