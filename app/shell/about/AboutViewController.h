#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/ui/base/QOVViewController.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextView.h"

namespace qov {

// The about screen: the version, the push device token (copied on a tap), the build and configuration labels
// (shown only in test mode or with test servers), the sponsor's page, the terms of service and the privacy
// statement in the in-app browser, and the hidden switch into test mode: every tenth tap on the logo toggles
// it, empties the caches, drops the ad configuration, resets the settings and rebuilds the tabs.
// Main thread only.
class AboutViewController : public QOVViewController {
public:
    static constexpr unsigned kTapsPerToggle = 10;
    static constexpr const char* kSponsorPage = "http://daduvov.qovara.net/media";

    explicit AboutViewController(const std::string& nibName = {});

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_applicationVersion;
    std::shared_ptr<platform::ui::TextView> m_devTokenField;
    std::shared_ptr<platform::ui::Button> m_devTokenBtn;
    std::shared_ptr<platform::ui::Label> m_buildType;
    std::shared_ptr<platform::ui::Label> m_configType;
    std::shared_ptr<platform::ui::Label> m_richMediaType;
    std::shared_ptr<platform::ui::Button> m_daduvovPeach;
    std::shared_ptr<platform::ui::Button> m_logoButton;
    std::shared_ptr<platform::ui::Button> m_termsButton;
    std::shared_ptr<platform::ui::Button> m_privacyButton;

    std::optional<std::string> pageName() const override { return "About"; }
    void viewDidLoad() override;
    void viewDidUnload() override;
    void applyTheme() override;

    void onDevToken();
    void tapLogo();
    void tapDaduvov();
    void tapTermsOfService();
    void tapPrivacyStatement();
    void updateInformationLabels();
    void doneWithBrowser(platform::ui::WebBrowserViewController& browser) override;

    unsigned logoTapCounter() const { return m_logoTapCounter; }

private:
    // Opens the page in the in-app browser over the root screen; answers the browser.
    std::shared_ptr<platform::ui::WebBrowserViewController> openPage(const std::string& url);
    void openLegalPage(const std::string& url);
    void wireActions();

    unsigned m_logoTapCounter = 0;
};

}  // namespace qov
