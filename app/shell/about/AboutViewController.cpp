#include "app/shell/about/AboutViewController.h"

#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/services/QOVPushRegister.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/QOVAdManager.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/base/Callback.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/Pasteboard.h"
#include "platform/ui/WebBrowserViewController.h"

namespace qov {

namespace {

void showLabel(platform::ui::Label* label, const std::string& text, bool alarming) {
    if (label) {
        label->setText(text);
        label->setTextColor(alarming ? platform::gfx::Color::redColor() : platform::gfx::Color::rgba(0.0, 0.0, 1.0));
    }
}

std::string infoText(std::string_view key) {
    return platform::Bundle::main().objectForInfoDictionaryKey(key).stringValue();
}

}  // namespace

AboutViewController::AboutViewController(const std::string& nibName) : QOVViewController(nibName) {}

void AboutViewController::viewDidLoad() {
    setTitle("About");
    updateInformationLabels();
    const auto format =
        localized(QOVSettingsService::isPremiumApp() ? "kestro.version.format" : "standard.version.format");
    if (m_applicationVersion) {
        m_applicationVersion->setText(formatWithObject(formatWithObject(format, infoText("CFBundleShortVersionString")),
                                                       infoText("CFBundleVersion")));
    }
    if (QOVSettingsService::sharedInstance()->arePushAlertsEnabled()) {
        if (m_devTokenBtn) {
            m_devTokenBtn->setTitle(localized("Device Token : Copy to clipboard"), platform::ui::kControlStateNormal);
        }
    } else {
        for (const auto& view :
             std::initializer_list<std::shared_ptr<platform::ui::View>>{m_devTokenBtn, m_devTokenField}) {
            if (view) {
                view->setHidden(true);
            }
        }
    }
    wireActions();
    QOVViewController::viewDidLoad();
}

void AboutViewController::wireActions() {
    const auto self = std::static_pointer_cast<AboutViewController>(shared_from_this());
    const auto wire = [&self](const std::shared_ptr<platform::ui::Button>& button,
                              void (AboutViewController::*action)()) {
        if (button) {
            button->addAction(platform::ui::kControlEventTouchUpInside,
                              platform::bindWeak(self, [action](AboutViewController& about, platform::ui::Control&) {
                                  (about.*action)();
                              }));
        }
    };
    wire(m_devTokenBtn, &AboutViewController::onDevToken);
    wire(m_logoButton, &AboutViewController::tapLogo);
    wire(m_daduvovPeach, &AboutViewController::tapDaduvov);
    wire(m_termsButton, &AboutViewController::tapTermsOfService);
    wire(m_privacyButton, &AboutViewController::tapPrivacyStatement);
}

void AboutViewController::viewDidUnload() {
    m_applicationVersion.reset();
    m_devTokenField.reset();
    m_devTokenBtn.reset();
    m_buildType.reset();
    m_configType.reset();
    m_richMediaType.reset();
    m_daduvovPeach.reset();
    m_logoButton.reset();
    m_termsButton.reset();
    m_privacyButton.reset();
    QOVViewController::viewDidUnload();
}

void AboutViewController::applyTheme() {
    QOVViewController::applyTheme();
    if (view()) {
        view()->setBackgroundColor(platform::gfx::Color::white());
    }
}

void AboutViewController::updateInformationLabels() {
    const bool testMode = QOVAdManager::sharedManager()->isInTestMode();
    const bool testServers = platform::Bundle::main().objectForInfoDictionaryKey("RichMediaUseTestServers").boolValue();
    showLabel(m_buildType.get(), "Release Build", false);
    showLabel(m_configType.get(), testMode ? "Test Mode" : "Production Mode", testMode);
    showLabel(m_richMediaType.get(), testServers ? "Testing RichMedia" : "Production RichMedia", testServers);
    for (const auto& label : {m_buildType, m_configType, m_richMediaType}) {
        if (label) {
            label->setHidden(!testMode && !testServers);
        }
    }
}

void AboutViewController::onDevToken() {
    if (const auto token = QOVPushRegister::transformDeviceId(QOVSettingsService::sharedInstance()->apnDeviceToken())) {
        platform::ui::Pasteboard::general().setString(*token);
    }
}

void AboutViewController::tapLogo() {
    if (++m_logoTapCounter % kTapsPerToggle != 0) {
        return;
    }
    const auto delegate = QOVAppDelegate::currentAppDelegate();
    const bool testMode = delegate ? !delegate->testMode() : false;
    if (delegate) {
        delegate->setTestMode(testMode);
    }
    const auto cache = ApplicationCacheFactory::sharedInstance().cache();
    cache->removeAllLocations();
    cache->removeAllConfigurations();
    QOVAdManager::sharedManager()->dropConfiguration();
    QOVSettingsService::sharedInstance()->resetSettings();
    updateInformationLabels();
    if (const auto master = masterViewController()) {
        master->displayErrorMessage(testMode ? "Application is now IN TEST Mode."
                                             : "Application is now IN PRODUCTION mode.");
        master->rebuildTabBar();
    }
}

std::shared_ptr<platform::ui::WebBrowserViewController> AboutViewController::openPage(const std::string& url) {
    const auto master = masterViewController();
    if (master) {
        master->toggleFullScreenContent(false, true);
    }
    auto browser = std::make_shared<platform::ui::WebBrowserViewController>();
    browser->setBrowserDelegate(std::static_pointer_cast<AboutViewController>(shared_from_this()));
    browser->setURL(url);
    if (master) {
        master->presentModalViewController(browser, true);
    } else {
        presentModalViewController(browser, true);
    }
    return browser;
}

void AboutViewController::openLegalPage(const std::string& url) {
    const auto browser = openPage(url);
    browser->safariButton()->setEnabled(false);
    browser->refreshButton()->setEnabled(false);
}

void AboutViewController::tapDaduvov() { openPage(kSponsorPage); }
void AboutViewController::tapTermsOfService() { openLegalPage(QOVSettingsService::termsOfServiceURL()); }
void AboutViewController::tapPrivacyStatement() { openLegalPage(QOVSettingsService::privacyPolicyURL()); }

void AboutViewController::doneWithBrowser(platform::ui::WebBrowserViewController&) {
    if (const auto master = masterViewController()) {
        master->dismissModalViewControllerAnimated(true);
        master->toggleFullScreenContent(false, false);
        // Returning from full screen shows the location bar, which the settings tab keeps hidden.
        master->hideLocationBar(false);
    } else {
        dismissModalViewControllerAnimated(true);
    }
}

}  // namespace qov
