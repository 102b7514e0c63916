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
#include "platform/ui/TextView.h"

namespace qov {

// The terms screen: the important notice, the three documents the user must accept (end-user licence, terms of
// use, privacy policy; each opens its page from the legal-document server in the user's language), and the
// accept and decline buttons. Accepting records "kTermsViewShouldHide" and hands over to the root controller;
// declining shows the declined screen, which only leads back here. Main thread only.
class TermsAndConditionsViewController : public QOVViewController,
                                         public platform::ui::TableViewDataSource,
                                         public platform::ui::TableViewDelegate {
public:
    static constexpr const char* kLegalHost = "http://legal.qovara.net";
    static constexpr int kButtonCapWidth = 10;

    using QOVViewController::QOVViewController;

    // Outlets.
    std::shared_ptr<platform::ui::Button> m_exitButton;
    std::shared_ptr<platform::ui::Button> m_acceptButton;
    std::shared_ptr<platform::ui::TextView> m_importantText;
    std::shared_ptr<platform::ui::TableView> m_tableView;

    // The documents' language: the locale's language when a translation exists ("en", "fr", "de", "pt", "zh",
    // "es"), else "en".
    static std::string documentLanguage(const std::string& simpleLocaleIdentifier);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    std::optional<std::string> pageName() const override { return "Terms Page"; }
    bool shouldAutorotateToInterfaceOrientation(platform::ui::DeviceOrientation orientation) const override;

    void agreeButtonPressed();
    void disagreeButtonPressed();
    void showButtons();
    void hideButtons();

    const std::string& eulaURL() const { return m_eulaURL; }
    const std::string& termsURL() const { return m_termsURL; }
    const std::string& privacyURL() const { return m_privacyURL; }

    // Table: one section of the three documents.
    int tableViewNumberOfRowsInSection(platform::ui::TableView& tableView, int section) override;
    std::shared_ptr<platform::ui::TableViewCell> tableViewCellForRow(platform::ui::TableView& tableView,
                                                                     const platform::ui::IndexPath& indexPath) override;
    void tableViewDidSelectRow(platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) override;

private:
    std::vector<std::string> m_mustDoTitles;
    std::vector<std::string> m_mayDoTitles;
    std::string m_eulaURL;
    std::string m_termsURL;
    std::string m_privacyURL;
};

}  // namespace qov
