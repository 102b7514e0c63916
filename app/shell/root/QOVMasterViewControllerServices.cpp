// The root controller's services to the tab screens (error bar messages, mail, favourites) and the "Notice"
// alerts of fired errors.
#include "app/shell/root/QOVMasterViewController.h"

#include "app/core/error/QOVError.h"
#include "app/neighbours/QOVAdView.h"
#include "app/shell/errorbar/ErrorBar.h"
#include "platform/base/Log.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/AlertView.h"
#include "platform/ui/Button.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/MailComposeViewController.h"

QOV_LOG_LEVEL(15)

namespace qov {

void QOVMasterViewController::displayErrorMessage(const std::string& message,
                                                  const std::shared_ptr<platform::ui::Image>& image) {
    if (m_errorBar) {
        m_errorBar->setMessage(message);
        if (image && m_errorBar->button()) {
            m_errorBar->button()->setBackgroundImage(image, platform::ui::kControlStateNormal);
        }
    }
    showErrorBar(true);
}

void QOVMasterViewController::errorBarShouldClose(ErrorBar&) { hideErrorBar(true); }

void QOVMasterViewController::adViewDidLoadAd(QOVAdView&) { showAdView(true); }

bool QOVMasterViewController::adViewActionWillStart(QOVAdView&, bool) { return true; }

void QOVMasterViewController::createEmailWithMessage(const std::string& /*message*/, const std::string& /*subject*/,
                                                     const std::vector<std::string>& /*recipients*/, bool /*isHTML*/) {
    if (!platform::ui::MailComposeViewController::canSendMail()) {
        displayErrorMessage("This device cannot send email.");
    }
}

void QOVMasterViewController::refreshAdViewForPage(const std::string& page, const std::string& tab,
                                                   const std::string& section) {
    if (!m_adView) {
        return;
    }
    m_adView->setPage(page);
    m_adView->setTab(tab);
    m_adView->setSection(section);
    m_adView->refreshAdView();
}

void QOVMasterViewController::displayFavorites() {
    if (auto favorites =
            platform::ui::ClassRegistry::create<platform::ui::ViewController>("BookmarksNavigationController")) {
        presentModalViewController(favorites, true);
    }
}

void QOVMasterViewController::handleErrorNotification(const platform::Notification& notification) {
    const auto* stored = platform::valueForKey(notification.userInfo, QOVError::kErrorKey);
    const auto error = stored ? stored->object<QOVError>() : nullptr;
    if (!error) {
        return;
    }
    // The text is a localisation key or an already localised text; either way the user reads a sentence.
    const auto message = platform::Bundle::main().localizedString(error->textKey(), error->textKey());
    auto alert = std::make_shared<platform::ui::AlertView>(
        "Notice", message, std::static_pointer_cast<platform::ui::AlertViewDelegate>(self()), "OK");
    m_errorAlerts[alert.get()] = error->category();
    alert->show();
}

void QOVMasterViewController::alertViewWillDismissWithButtonIndex(platform::ui::AlertView& alert, int) {
    const auto found = m_errorAlerts.find(&alert);
    if (found == m_errorAlerts.end()) {
        return;
    }
    const auto category = found->second;
    m_errorAlerts.erase(found);
    QOVError::clearErrorWithCategory(category, self());
}

}  // namespace qov
