#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ui/base/QOVViewController.h"
#include "platform/ui/Button.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewDataSource.h"
#include "platform/ui/TableViewDelegate.h"

namespace qov {

// The help screen: six topics, each opening its page from the application bundle, and a button that writes to
// support. Main thread only.
class HelpViewController : public QOVViewController,
                           public platform::ui::TableViewDataSource,
                           public platform::ui::TableViewDelegate {
public:
    static constexpr double kRowHeight = 44.0;
    static constexpr const char* kSupportAddress = "support@qovara.net";

    explicit HelpViewController(const std::string& nibName = {});

    // Outlets.
    std::shared_ptr<platform::ui::TableView> m_tableView;
    std::shared_ptr<platform::ui::Button> m_emailButton;

    std::optional<std::string> pageName() const override { return "Help"; }
    void viewDidLoad() override;
    void viewDidUnload() override;
    void applyTheme() override;

    const std::vector<std::string>& helpContents() const { return m_helpContents; }
    // The file address of the topic's page in the bundle; "" for an index without a topic.
    static std::string getHelpURL(int index);
    // The topic's tips, localized; nullopt for an index without a topic.
    static std::optional<std::vector<std::string>> getHelpItems(int index);
    void sendHelpEmail();

    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    std::optional<double> tableViewHeightForRow(platform::ui::TableView&, const platform::ui::IndexPath&) override {
        return kRowHeight;
    }
    void tableViewDidSelectRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;

private:
    std::vector<std::string> m_helpContents;
};

}  // namespace qov
