#include "app/shell/settings/SettingsViewController.h"

#include <array>

#include <fmt/format.h>

#include "app/core/categories/NSLocaleQOV.h"
#include "app/neighbours/QOVFacebookService.h"
#include "app/neighbours/QOVTwitterService.h"
#include "app/shell/about/AboutViewController.h"
#include "app/shell/about/HelpViewController.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/services/QOVFormattingService.h"
#include "app/shell/terms/TermsAndConditionsViewController.h"
#include "app/shell/terms/TermsWebViewController.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

using platform::ui::IndexPath;

constexpr const char* kCellIdentifier = "MoreCell";
constexpr std::array<const char*, 2> kInformationRows{"Help", "About"};
constexpr std::array<const char*, 3> kLegalRows{"terms.eula.title", "terms.termsofuse.title", "terms.privacy.title"};
constexpr std::array<const char*, 3> kLegalPaths{"/EULA-iOS.html", "/Terms.html", "/Privacy.html"};
constexpr double kUnitControlWidth = 120.0;
constexpr double kUnitControlHeight = 36.0;
constexpr double kRowFontSize = 17.0;

std::string twitterRowText(bool authorized) { return authorized ? "Log out of Twitter" : "Log into Twitter"; }
std::string facebookRowText(bool authorized) { return authorized ? "Log out of Facebook" : "Log into Facebook"; }

}  // namespace

SettingsViewController::SettingsViewController(const std::string& nibName) : QOVViewController(nibName) {
    setTitle("Settings");
}

std::string SettingsViewController::legalPageURL(int row, const std::string& simpleLocaleIdentifier) {
    const auto index = static_cast<std::size_t>(row) < kLegalPaths.size() ? static_cast<std::size_t>(row) : 0;
    return fmt::format("{}/legal/{}{}", kLegalHost,
                       TermsAndConditionsViewController::documentLanguage(simpleLocaleIdentifier), kLegalPaths[index]);
}

void SettingsViewController::viewDidLoad() {
    QOVViewController::viewDidLoad();
    if (m_settingsTable) {
        const auto self = std::static_pointer_cast<SettingsViewController>(shared_from_this());
        m_settingsTable->setDataSource(std::static_pointer_cast<platform::ui::TableViewDataSource>(self));
        m_settingsTable->setDelegate(std::static_pointer_cast<platform::ui::TableViewDelegate>(self));
    }
}

void SettingsViewController::viewDidUnload() {
    m_settingsTable.reset();
    QOVViewController::viewDidUnload();
}

void SettingsViewController::viewWillAppear(bool animated) {
    QOVViewController::viewWillAppear(animated);
    platform::NotificationCenter::defaultCenter().addObserver(
        this, platform::ui::kApplicationWillEnterForegroundNotification,
        [this](const platform::Notification&) { reloadViewDataOnReturnFromBackground(); });
    reloadSocialRows();
}

void SettingsViewController::viewWillDisappear(bool animated) {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
    QOVViewController::viewWillDisappear(animated);
}

void SettingsViewController::applyTheme() {
    QOVViewController::applyTheme();
    if (const auto master = masterViewController()) {
        master->hideAdView(false);
        master->hideLocationBar(false);
    }
}

void SettingsViewController::reloadSocialRows() {
    if (m_settingsTable) {
        m_settingsTable->reloadData();
    }
}

void SettingsViewController::reloadViewDataOnReturnFromBackground() { reloadSocialRows(); }

void SettingsViewController::handleUoMSegmentControlChange(platform::ui::SegmentedControl& control) {
    QOVFormattingService::setUom(control.selectedSegmentIndex() == 0);
}

void SettingsViewController::facebookLoginSuccessful() { reloadSocialRows(); }
void SettingsViewController::facebookLoginCancelled() { reloadSocialRows(); }
void SettingsViewController::facebookLoginFailed() { reloadSocialRows(); }
void SettingsViewController::facebookUserDataReady(const platform::Dictionary&) {
    QOV_LOG_INFO("Facebook User Data Ready");
}
void SettingsViewController::twitterLoginSuccessful() { reloadSocialRows(); }
void SettingsViewController::twitterLoginFailed() { reloadSocialRows(); }
void SettingsViewController::twitterLoginCancelled() { reloadSocialRows(); }

int SettingsViewController::tableViewNumberOfRowsInSection(platform::ui::TableView&, int section) {
    switch (section) {
        case kInformationSection: return static_cast<int>(kInformationRows.size());
        case kLegalSection: return static_cast<int>(kLegalRows.size());
        case kMeasurementSection: return 1;
        case kSocialSection: return 2;
        default: return 0;
    }
}

std::shared_ptr<platform::ui::SegmentedControl> SettingsViewController::makeUnitControl() {
    auto control = std::make_shared<platform::ui::SegmentedControl>(std::vector<std::string>{"°F", "°C"});
    control->setSelectedSegmentIndex(QOVFormattingService::currentUom() ? 0 : 1);
    auto frame = control->bounds();
    frame.size.width = kUnitControlWidth;
    frame.size.height = kUnitControlHeight;
    control->setFrame(frame);
    const auto self = std::static_pointer_cast<SettingsViewController>(shared_from_this());
    control->addAction(platform::ui::kControlEventValueChanged,
                       platform::bindWeak(self, [](SettingsViewController& settings, platform::ui::Control& sender) {
                           if (auto* segments = dynamic_cast<platform::ui::SegmentedControl*>(&sender)) {
                               settings.handleUoMSegmentControlChange(*segments);
                           }
                       }));
    return control;
}

std::shared_ptr<platform::ui::TableViewCell> SettingsViewController::tableViewCellForRow(
    platform::ui::TableView& tableView, const IndexPath& indexPath) {
    auto cell = tableView.dequeueReusableCell(kCellIdentifier);
    if (!cell) {
        cell =
            std::make_shared<platform::ui::TableViewCell>(platform::ui::TableViewCellStyle::Default, kCellIdentifier);
    }
    cell->setAccessoryView(nullptr);
    cell->setAccessoryType(platform::ui::TableViewCellAccessoryType::None);
    cell->setSelectionStyle(platform::ui::TableViewCellSelectionStyle::Blue);
    cell->imageView()->setImage(nullptr);
    // The narrower face lets the longest row, "End User License Agreement", show whole beside its disclosure mark.
    cell->textLabel()->setFont(platform::gfx::Font::condensedSystemFont(kRowFontSize, true));
    const auto row = static_cast<std::size_t>(indexPath.row);
    switch (indexPath.section) {
        case kInformationSection:
        case kLegalSection: {
            const bool information = indexPath.section == kInformationSection;
            const std::size_t rows = information ? kInformationRows.size() : kLegalRows.size();
            cell->textLabel()->setText(row < rows ? localized(information ? kInformationRows[row] : kLegalRows[row])
                                                  : std::string());
            cell->setAccessoryType(platform::ui::TableViewCellAccessoryType::DisclosureIndicator);
            break;
        }
        case kMeasurementSection:
            cell->textLabel()->setText(localized("Measurement"));
            cell->setAccessoryView(makeUnitControl());
            cell->setSelectionStyle(platform::ui::TableViewCellSelectionStyle::None);
            break;
        default: {
            const bool twitter = indexPath.row == 0;
            const bool authorized = twitter ? QOVTwitterService::sharedInstance()->isAuthorized()
                                            : QOVFacebookService::sharedInstance()->isAuthorized();
            cell->textLabel()->setText(localized(twitter ? twitterRowText(authorized) : facebookRowText(authorized)));
            cell->imageView()->setImage(
                platform::ui::Image::named(twitter ? "sw_twitterBird.png" : "facebook-icon.png"));
            cell->setSelectionStyle(platform::ui::TableViewCellSelectionStyle::None);
            (twitter ? m_twitterCell : m_facebookCell) = cell;
            break;
        }
    }
    return cell;
}

void SettingsViewController::tableViewDidSelectRow(platform::ui::TableView& tableView, const IndexPath& indexPath) {
    switch (indexPath.section) {
        case kInformationSection:
            showInformationScreen(indexPath.row);
            tableView.deselectRow(indexPath, true);
            break;
        case kLegalSection:
            showLegalPage(indexPath.row);
            tableView.deselectRow(indexPath, true);
            break;
        case kSocialSection:
            if (indexPath.row == 0) {
                toggleTwitter();
            } else {
                toggleFacebook();
            }
            break;
        default: break;
    }
}

void SettingsViewController::showInformationScreen(int row) {
    std::shared_ptr<QOVViewController> screen;
    if (row == 0) {
        screen = viewControllerFromNib<HelpViewController>();
    } else {
        screen = viewControllerFromNib<AboutViewController>();
    }
    if (const auto master = masterViewController<QOVViewController>()) {
        screen->setMasterViewController(master);
    }
    if (const auto navigation = navigationController()) {
        navigation->pushViewController(screen, true);
    }
}

void SettingsViewController::showLegalPage(int row) {
    if (static_cast<std::size_t>(row) >= kLegalRows.size()) {
        return;
    }
    auto page = std::make_shared<TermsWebViewController>(TermsWebViewController::kInterfaceFile);
    page->setPageURL(legalPageURL(row, NSLocaleQOV::simpleLocaleIdentifier()));
    page->setTitle(localized(kLegalRows[static_cast<std::size_t>(row)]));
    if (const auto navigation = navigationController()) {
        navigation->pushViewController(page, true);
    }
}

void SettingsViewController::toggleTwitter() {
    const auto twitter = QOVTwitterService::sharedInstance();
    const auto cell = m_twitterCell.lock();
    twitter->setTwitterServiceDelegate(std::static_pointer_cast<QOVTwitterServiceDelegate>(
        std::static_pointer_cast<SettingsViewController>(shared_from_this())));
    if (!twitter->isAuthorized()) {
        if (cell) {
            cell->textLabel()->setText(twitterRowText(true));
        }
        twitter->authorize();
        return;
    }
    twitter->logout();
    if (!twitter->isAuthorized() && cell) {
        cell->textLabel()->setText(twitterRowText(false));
    }
}

void SettingsViewController::toggleFacebook() {
    const auto facebook = QOVFacebookService::sharedInstance();
    if (!facebook->isAuthorized()) {
        facebook->loginWithDelegate(std::static_pointer_cast<QOVFacebookServiceDelegate>(
            std::static_pointer_cast<SettingsViewController>(shared_from_this())));
        return;
    }
    facebook->logout();
    if (const auto cell = m_facebookCell.lock(); cell && !facebook->isAuthorized()) {
        cell->textLabel()->setText(facebookRowText(false));
    }
}

}  // namespace qov
