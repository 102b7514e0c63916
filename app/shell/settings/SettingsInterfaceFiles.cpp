#include "app/shell/settings/SettingsInterfaceFiles.h"

#include "app/shell/about/AboutViewController.h"
#include "app/shell/about/HelpViewController.h"
#include "app/shell/about/HelpWebViewController.h"
#include "app/shell/settings/SettingsDetailViewController.h"
#include "app/shell/settings/SettingsNavigationController.h"
#include "app/shell/settings/SettingsViewController.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/ui/ClassRegistry.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WebView.h"

namespace qov {

namespace {

using platform::ui::Rect;

// The settings tab's area: the screen less the navigation bar.
Rect pageArea() {
    const auto frame = platform::ui::Screen::applicationFrame();
    return Rect(0.0, 0.0, frame.width(), frame.height() - platform::ui::NavigationBar::kHeight);
}

std::shared_ptr<platform::ui::Label> label(platform::ui::InterfaceContext& file, const Rect& frame, double size) {
    auto text = file.make<platform::ui::Label>(frame);
    text->setFont(platform::gfx::Font::systemFont(size));
    text->setTextAlignment(platform::gfx::TextAlignment::Center);
    text->setBackgroundColor(platform::gfx::Color::clear());
    return text;
}

std::shared_ptr<platform::ui::Button> button(platform::ui::InterfaceContext& file, const Rect& frame,
                                             const std::string& title) {
    auto made = file.make<platform::ui::Button>(platform::ui::ButtonType::RoundedRect, frame);
    made->setTitle(title);
    return made;
}

void registerNavigationScreen() {
    platform::ui::InterfaceFile::registerBuilder("SettingsNavigationController-iPhone",
                                                 [](platform::ui::InterfaceContext& file) {
                                                     auto view = file.makeTopLevel<platform::ui::View>(pageArea());
                                                     if (auto owner = file.ownerAs<SettingsNavigationController>()) {
                                                         owner->setView(view);
                                                     }
                                                 });
}

void registerSettingsTable() {
    platform::ui::InterfaceFile::registerBuilder(
        "SettingsViewController-iPhone", [](platform::ui::InterfaceContext& file) {
            const auto area = pageArea();
            auto view = file.makeTopLevel<platform::ui::View>(area);
            auto table = file.make<platform::ui::TableView>(area, platform::ui::TableViewStyle::Grouped);
            table->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth |
                                       platform::ui::kAutoresizingFlexibleHeight);
            view->addSubview(table);
            if (auto owner = file.ownerAs<SettingsViewController>()) {
                owner->m_settingsTable = table;
                owner->setView(view);
            }
        });
}

void registerHelpScreens() {
    platform::ui::InterfaceFile::registerBuilder("HelpViewController-iPhone", [](platform::ui::InterfaceContext& file) {
        const auto area = pageArea();
        auto view = file.makeTopLevel<platform::ui::View>(area);
        auto table = file.make<platform::ui::TableView>(Rect(0.0, 0.0, area.width(), area.height() - 64.0),
                                                        platform::ui::TableViewStyle::Plain);
        auto email = button(file, Rect(40.0, area.height() - 54.0, area.width() - 80.0, 40.0), "Email Support");
        // The navigation stack gives the screen less than the page area: the button stays above its bottom.
        table->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth |
                                   platform::ui::kAutoresizingFlexibleHeight);
        email->setAutoresizingMask(platform::ui::kAutoresizingFlexibleTopMargin);
        view->addSubview(table);
        view->addSubview(email);
        if (auto owner = file.ownerAs<HelpViewController>()) {
            owner->m_tableView = table;
            owner->m_emailButton = email;
            owner->setView(view);
        }
    });
    platform::ui::InterfaceFile::registerBuilder(
        HelpWebViewController::kInterfaceFile, [](platform::ui::InterfaceContext& file) {
            const auto area = pageArea();
            auto view = file.makeTopLevel<platform::ui::View>(area);
            auto page = file.make<platform::ui::WebView>(area);
            page->setAutoresizingMask(platform::ui::kAutoresizingFlexibleWidth |
                                      platform::ui::kAutoresizingFlexibleHeight);
            view->addSubview(page);
            if (auto owner = file.ownerAs<HelpWebViewController>()) {
                owner->m_webView = page;
                owner->setView(view);
            }
        });
}

void registerAboutScreen() {
    platform::ui::InterfaceFile::registerBuilder(
        "AboutViewController-iPhone", [](platform::ui::InterfaceContext& file) {
            const auto area = pageArea();
            const double width = area.width() - 40.0;
            auto view = file.makeTopLevel<platform::ui::View>(area);
            auto logo = button(file, Rect(20.0, 15.0, width, 50.0), "Qovara");
            auto version = label(file, Rect(20.0, 70.0, width, 24.0), 15.0);
            auto tokenButton = button(file, Rect(20.0, 100.0, width, 36.0), "");
            auto tokenField = file.make<platform::ui::TextView>(Rect(20.0, 140.0, width, 40.0));
            tokenField->setEditable(false);
            auto build = label(file, Rect(20.0, 185.0, width, 20.0), 13.0);
            auto config = label(file, Rect(20.0, 205.0, width, 20.0), 13.0);
            auto richMedia = label(file, Rect(20.0, 225.0, width, 20.0), 13.0);
            // One button a row: side by side their titles do not fit. The last ends above the 367 points the
            // settings tab shows under its navigation bar.
            auto terms = button(file, Rect(20.0, 250.0, width, 34.0), "Terms of Service");
            auto privacy = button(file, Rect(20.0, 290.0, width, 34.0), "Privacy Statement");
            auto sponsor = button(file, Rect(20.0, 330.0, width, 34.0), "Daduvov");
            for (const auto& part : std::initializer_list<std::shared_ptr<platform::ui::View>>{
                     logo, version, tokenButton, tokenField, build, config, richMedia, terms, privacy, sponsor}) {
                view->addSubview(part);
            }
            auto owner = file.ownerAs<AboutViewController>();
            if (!owner) {
                return;
            }
            owner->m_logoButton = logo;
            owner->m_applicationVersion = version;
            owner->m_devTokenBtn = tokenButton;
            owner->m_devTokenField = tokenField;
            owner->m_buildType = build;
            owner->m_configType = config;
            owner->m_richMediaType = richMedia;
            owner->m_daduvovPeach = sponsor;
            owner->m_termsButton = terms;
            owner->m_privacyButton = privacy;
            owner->setView(view);
        });
}

}  // namespace

void registerSettingsInterfaceFiles() {
    registerNavigationScreen();
    registerSettingsTable();
    registerHelpScreens();
    registerAboutScreen();
    QOVViewController::registerClassFromNib<SettingsNavigationController>("SettingsNavigationController");
    platform::ui::ClassRegistry::registerClass<SettingsDetailViewController>("SettingsDetailViewController");
}

}  // namespace qov
