#include "app/shell/terms/TermsAndConditionsViewController.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "app/core/categories/NSLocaleQOV.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/terms/QOVDeclinedViewController.h"
#include "app/shell/terms/TermsItemCell.h"
#include "app/shell/terms/TermsWebViewController.h"
#include "app/ui/text/LocalizedFormat.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Callback.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/BarButtonItem.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/NavigationController.h"

namespace qov {

namespace {

// The button's title for the normal, highlighted, disabled and selected states, centred.
void setButtonTitle(platform::ui::Button& button, const std::string& title) {
    for (const unsigned state : {platform::ui::kControlStateNormal, platform::ui::kControlStateHighlighted,
                                 platform::ui::kControlStateDisabled, platform::ui::kControlStateSelected}) {
        button.setTitle(title, state);
    }
    button.titleLabel()->setTextAlignment(platform::gfx::TextAlignment::Center);
}

void setButtonBackground(platform::ui::Button& button, const char* imageName) {
    button.setBackgroundImage(platform::ui::Image::named(imageName));
    QOVViewController::adjustButtonBackgroundImage(button, TermsAndConditionsViewController::kButtonCapWidth);
}

}  // namespace

std::string TermsAndConditionsViewController::documentLanguage(const std::string& simpleLocaleIdentifier) {
    static constexpr std::array<const char*, 6> kTranslated{"en", "fr", "de", "pt", "zh", "es"};
    std::string language = simpleLocaleIdentifier.substr(0, 2);
    std::transform(language.begin(), language.end(), language.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const bool translated = std::find(kTranslated.begin(), kTranslated.end(), language) != kTranslated.end();
    return translated ? language : "en";
}

void TermsAndConditionsViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    const auto self = std::static_pointer_cast<TermsAndConditionsViewController>(shared_from_this());
    if (m_tableView) {
        m_tableView->setBackgroundColor(platform::gfx::Color::clear());
        m_tableView->setDataSource(std::static_pointer_cast<platform::ui::TableViewDataSource>(self));
        m_tableView->setDelegate(std::static_pointer_cast<platform::ui::TableViewDelegate>(self));
    }
    if (m_importantText) {
        m_importantText->setText(localized("terms.header"));
    }
    m_mustDoTitles = {localized("terms.eula.title"), localized("terms.termsofuse.title"),
                      localized("terms.privacy.title")};
    m_mayDoTitles = {localized("terms.location.title"), localized("terms.diagnostic.title")};

    setTitle(localized("terms.title"));
    navigationItem()->setBackBarButtonItem(std::make_shared<platform::ui::BarButtonItem>(
        localized("common.button.back"), platform::ui::BarButtonItemStyle::Plain));
    if (const auto navigation = navigationController()) {
        navigation->navigationBar()->setTintColor(QOVThemeService::navBarColor());
    }

    if (m_exitButton) {
        setButtonBackground(*m_exitButton, "tdx-button-kestro.png");
        setButtonTitle(*m_exitButton, localized("terms.button.decline"));
        m_exitButton->addAction(
            platform::ui::kControlEventTouchUpInside,
            platform::bindWeak(self, [](TermsAndConditionsViewController& terms, platform::ui::Control&) {
                terms.disagreeButtonPressed();
            }));
    }
    if (m_acceptButton) {
        setButtonBackground(*m_acceptButton, "tdx-button.png");
        setButtonTitle(*m_acceptButton, localized("terms.button.accept"));
        m_acceptButton->addAction(platform::ui::kControlEventTouchUpInside,
                                  platform::bindWeak(self, [](TermsAndConditionsViewController& terms,
                                                              platform::ui::Control&) { terms.agreeButtonPressed(); }));
    }

    const auto language = documentLanguage(NSLocaleQOV::simpleLocaleIdentifier());
    const std::string base = std::string(kLegalHost) + "/legal/" + language;
    m_eulaURL = base + "/EULA-iOS.html";
    m_termsURL = base + "/Terms.html";
    m_privacyURL = base + "/Privacy.html";
}

void TermsAndConditionsViewController::viewWillAppear(bool animated) {
    QOVViewController::viewWillAppear(animated);
    if (m_tableView) {
        m_tableView->reloadData();
    }
}

bool TermsAndConditionsViewController::shouldAutorotateToInterfaceOrientation(
    platform::ui::DeviceOrientation orientation) const {
    return orientation == platform::ui::DeviceOrientation::Portrait;
}

void TermsAndConditionsViewController::agreeButtonPressed() {
    if (m_acceptButton) {
        m_acceptButton->titleLabel()->setText(localized("terms.button.accept"));
        m_acceptButton->titleLabel()->setTextAlignment(platform::gfx::TextAlignment::Center);
    }
    platform::UserDefaults::standard()->setBool(true, QOVAppDelegate::kTermsViewShouldHideKey);
    if (const auto delegate = QOVAppDelegate::currentAppDelegate()) {
        delegate->presentMainViewAfterSplash();
    }
    if (modalViewController()) {
        dismissModalViewControllerAnimated(true);
    }
}

void TermsAndConditionsViewController::disagreeButtonPressed() {
    presentModalViewController(viewControllerFromNib<QOVDeclinedViewController>(), true);
    if (m_exitButton) {
        m_exitButton->titleLabel()->setText(localized("terms.button.decline"));
        m_exitButton->titleLabel()->setTextAlignment(platform::gfx::TextAlignment::Center);
    }
}

void TermsAndConditionsViewController::showButtons() {
    for (const auto& button : {m_exitButton, m_acceptButton}) {
        if (button) {
            button->setHidden(false);
        }
    }
}

void TermsAndConditionsViewController::hideButtons() {
    for (const auto& button : {m_exitButton, m_acceptButton}) {
        if (button) {
            button->setHidden(true);
        }
    }
}

int TermsAndConditionsViewController::tableViewNumberOfRowsInSection(platform::ui::TableView&, int section) {
    return section == 0 ? static_cast<int>(m_mustDoTitles.size()) : 0;
}

std::shared_ptr<platform::ui::TableViewCell> TermsAndConditionsViewController::tableViewCellForRow(
    platform::ui::TableView& tableView, const platform::ui::IndexPath& indexPath) {
    auto cell = QOVTableViewCell::cellFromTableView<TermsItemCell>(tableView);
    if (!cell) {
        cell = std::make_shared<TermsItemCell>();
    }
    const auto row = static_cast<std::size_t>(indexPath.row);
    if (row < m_mustDoTitles.size() && cell->m_titleText) {
        cell->m_titleText->setText(m_mustDoTitles[row]);
    }
    if (cell->m_status) {
        cell->m_status->setHidden(true);
    }
    cell->setAccessoryType(platform::ui::TableViewCellAccessoryType::DisclosureIndicator);
    cell->setSelectionStyle(platform::ui::TableViewCellSelectionStyle::None);
    return cell;
}

void TermsAndConditionsViewController::tableViewDidSelectRow(platform::ui::TableView&,
                                                             const platform::ui::IndexPath& indexPath) {
    if (indexPath.section != 0) {
        return;
    }
    auto page = std::make_shared<TermsWebViewController>(TermsWebViewController::kInterfaceFile);
    switch (indexPath.row) {
        case 1:
            page->setPageURL(m_termsURL);
            page->setTitle(localized("terms.termsofuse.title"));
            break;
        case 2:
            page->setPageURL(m_privacyURL);
            page->setTitle(localized("terms.privacy.title"));
            break;
        default:
            page->setPageURL(m_eulaURL);
            page->setTitle(localized("terms.eula.title"));
            break;
    }
    if (const auto navigation = navigationController()) {
        navigation->pushViewController(page, true);
    }
}

}  // namespace qov
