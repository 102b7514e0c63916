#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/neighbours/QOVFacebookServiceDelegate.h"
#include "app/neighbours/QOVTwitterServiceDelegate.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"

namespace qov {

// The settings table: help and about (section 0), the three legal pages (1), the temperature unit switch (2)
// and the sign-in rows of the two social services (3). The social rows follow the services' state: they are
// built from it, and the table is reloaded when the application returns to the foreground while the screen is
// shown and when a sign-in ends, so a cancelled sign-in never leaves "Log out" showing. Main thread only.
class SettingsViewController : public QOVViewController,
                               public platform::ui::TableViewDataSource,
                               public platform::ui::TableViewDelegate,
                               public QOVFacebookServiceDelegate,
                               public QOVTwitterServiceDelegate {
public:
    enum Section { kInformationSection, kLegalSection, kMeasurementSection, kSocialSection, kSectionCount };
    static constexpr double kRowHeight = 50.0;
    static constexpr const char* kLegalHost = "http://legal.qovara.net";

    explicit SettingsViewController(const std::string& nibName = {});

    // Outlet.
    std::shared_ptr<platform::ui::TableView> m_settingsTable;

    std::optional<std::string> pageName() const override { return "Settings"; }
    void viewDidLoad() override;
    void viewDidUnload() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void applyTheme() override;

    // The legal page of the row (0 licence, 1 terms of use, 2 privacy) in the language of the locale.
    static std::string legalPageURL(int row, const std::string& simpleLocaleIdentifier);

    void handleUoMSegmentControlChange(platform::ui::SegmentedControl& control);
    void reloadViewDataOnReturnFromBackground();

    void facebookLoginSuccessful() override;
    void facebookLoginCancelled() override;
    void facebookLoginFailed() override;
    void facebookUserDataReady(const platform::Dictionary& user) override;
    void twitterLoginSuccessful() override;
    void twitterLoginFailed() override;
    void twitterLoginCancelled() override;

    int numberOfSectionsInTableView(platform::ui::TableView&) override { return kSectionCount; }
    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    std::optional<double> tableViewHeightForRow(platform::ui::TableView&, const platform::ui::IndexPath&) override {
        return kRowHeight;
    }
    void tableViewDidSelectRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;

private:
    void reloadSocialRows();
    void showInformationScreen(int row);
    void showLegalPage(int row);
    void toggleTwitter();
    void toggleFacebook();
    std::shared_ptr<platform::ui::SegmentedControl> makeUnitControl();

    std::weak_ptr<platform::ui::TableViewCell> m_twitterCell;
    std::weak_ptr<platform::ui::TableViewCell> m_facebookCell;
};

}  // namespace qov
