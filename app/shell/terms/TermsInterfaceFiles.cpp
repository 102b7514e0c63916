#include "app/shell/terms/TermsInterfaceFiles.h"

#include "app/shell/terms/QOVDeclinedViewController.h"
#include "app/shell/terms/TermsAndConditionsViewController.h"
#include "app/shell/terms/TermsDetailViewController.h"
#include "app/shell/terms/TermsItemCell.h"
#include "app/shell/terms/TermsNavigationController.h"
#include "app/shell/terms/TermsWebViewController.h"
#include "app/ui/text/LocalizedFormat.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/Screen.h"

namespace qov {

namespace {

using platform::ui::Rect;

Rect screenArea() {
    const auto frame = platform::ui::Screen::applicationFrame();
    return Rect(0.0, 0.0, frame.width(), frame.height());
}

// The area under a navigation bar.
Rect navigationContentArea() {
    const auto area = screenArea();
    return Rect(0.0, 0.0, area.width(), area.height() - platform::ui::NavigationBar::kHeight);
}

std::shared_ptr<platform::ui::Label> whiteLabel(platform::ui::InterfaceContext& file, const Rect& frame) {
    auto label = file.make<platform::ui::Label>(frame);
    label->setTextColor(platform::gfx::Color::white());
    label->setBackgroundColor(platform::gfx::Color::clear());
    return label;
}

void registerTermsScreen() {
    platform::ui::InterfaceFile::registerBuilder(
        "TermsAndConditionsViewController-iPhone", [](platform::ui::InterfaceContext& file) {
            auto owner = file.ownerAs<TermsAndConditionsViewController>();
            const auto area = navigationContentArea();
            auto view = file.makeTopLevel<platform::ui::View>(area);
            auto notice = file.make<platform::ui::TextView>(Rect(10.0, 10.0, area.width() - 20.0, 120.0));
            notice->setTextColor(platform::gfx::Color::white());
            notice->setBackgroundColor(platform::gfx::Color::clear());
            notice->setEditable(false);
            auto table = file.make<platform::ui::TableView>(Rect(0.0, 135.0, area.width(), 170.0),
                                                            platform::ui::TableViewStyle::Grouped);
            const double buttonY = area.height() - 74.0;
            const double buttonWidth = (area.width() - 60.0) / 2.0;
            auto decline = file.make<platform::ui::Button>(platform::ui::ButtonType::Custom,
                                                           Rect(20.0, buttonY, buttonWidth, 44.0));
            auto accept = file.make<platform::ui::Button>(platform::ui::ButtonType::Custom,
                                                          Rect(40.0 + buttonWidth, buttonY, buttonWidth, 44.0));
            for (const auto& part :
                 std::initializer_list<std::shared_ptr<platform::ui::View>>{notice, table, decline, accept}) {
                view->addSubview(part);
            }
            if (owner) {
                owner->m_importantText = notice;
                owner->m_tableView = table;
                owner->m_exitButton = decline;
                owner->m_acceptButton = accept;
                owner->setView(view);
            }
        });
}

void registerDetailScreen() {
    platform::ui::InterfaceFile::registerBuilder(
        "TermsDetailViewController-iPhone", [](platform::ui::InterfaceContext& file) {
            auto owner = file.ownerAs<TermsDetailViewController>();
            const auto area = navigationContentArea();
            auto view = file.makeTopLevel<platform::ui::View>(area);
            auto text = file.make<platform::ui::TextView>(Rect(10.0, 10.0, area.width() - 20.0, 150.0));
            text->setTextColor(platform::gfx::Color::white());
            text->setBackgroundColor(platform::gfx::Color::clear());
            text->setEditable(false);
            auto table = file.make<platform::ui::TableView>(Rect(0.0, 170.0, area.width(), 100.0),
                                                            platform::ui::TableViewStyle::Grouped);
            view->addSubview(text);
            view->addSubview(table);
            if (owner) {
                owner->m_serviceText = text;
                owner->m_tableView = table;
                owner->setView(view);
            }
        });
}

void registerTermsItemCell() {
    platform::ui::InterfaceFile::registerBuilder("TermsItemCell", [](platform::ui::InterfaceContext& file) {
        auto cell = file.makeTopLevel<TermsItemCell>();
        cell->setFrame(Rect(0.0, 0.0, 300.0, 44.0));
        cell->m_titleText = file.make<platform::ui::Label>(Rect(10.0, 0.0, 255.0, 44.0));
        cell->m_status = file.make<platform::ui::Label>(Rect(215.0, 0.0, 50.0, 44.0));
        cell->m_status->setHidden(true);
        cell->contentView()->addSubview(cell->m_titleText);
        cell->contentView()->addSubview(cell->m_status);
    });
}

void registerNavigationScreen() {
    platform::ui::InterfaceFile::registerBuilder("TermsNavigationController-iPhone",
                                                 [](platform::ui::InterfaceContext& file) {
                                                     auto owner = file.ownerAs<TermsNavigationController>();
                                                     auto view = file.makeTopLevel<platform::ui::View>(screenArea());
                                                     if (owner) {
                                                         owner->setView(view);
                                                     }
                                                 });
}

void registerDocumentPage() {
    platform::ui::InterfaceFile::registerBuilder(TermsWebViewController::kInterfaceFile,
                                                 [](platform::ui::InterfaceContext& file) {
                                                     auto owner = file.ownerAs<TermsWebViewController>();
                                                     const auto area = navigationContentArea();
                                                     auto view = file.makeTopLevel<platform::ui::View>(area);
                                                     auto page = file.make<platform::ui::WebView>(area);
                                                     view->addSubview(page);
                                                     if (owner) {
                                                         owner->m_webView = page;
                                                         owner->setView(view);
                                                     }
                                                 });
}

void registerDeclinedScreen() {
    platform::ui::InterfaceFile::registerBuilder(
        "QOVDeclinedViewController-iPhone", [](platform::ui::InterfaceContext& file) {
            auto owner = file.ownerAs<QOVDeclinedViewController>();
            const auto area = screenArea();
            auto view = file.makeTopLevel<platform::ui::View>(area);
            auto message = whiteLabel(file, Rect(20.0, 120.0, area.width() - 40.0, 120.0));
            message->setNumberOfLines(0);
            message->setTextAlignment(platform::gfx::TextAlignment::Center);
            message->setText(localized("terms.declined.message"));
            auto back = file.make<platform::ui::Button>(platform::ui::ButtonType::RoundedRect,
                                                        Rect(60.0, 280.0, area.width() - 120.0, 44.0));
            back->setTitle(localized("terms.declined.button"));
            view->addSubview(message);
            view->addSubview(back);
            if (owner) {
                owner->m_dismissButton = back;
                owner->setView(view);
            }
        });
}

}  // namespace

void registerTermsInterfaceFiles() {
    registerNavigationScreen();
    registerTermsScreen();
    registerTermsItemCell();
    registerDetailScreen();
    registerDocumentPage();
    registerDeclinedScreen();
}

}  // namespace qov
