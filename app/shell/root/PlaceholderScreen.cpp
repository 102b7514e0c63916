#include "app/shell/root/PlaceholderScreen.h"

#include "app/shell/tabbar/SlidingTabBarItem.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Screen.h"

namespace qov {

PlaceholderScreen::PlaceholderScreen(const Tab& tab, std::optional<std::string> pageName)
    : m_pageName(std::move(pageName)) {
    setTitle(platform::Bundle::main().localizedString(tab.titleKey, tab.titleKey));
    setSlidingTabBarItem(SlidingTabBarItem::create(tab.name, title(), platform::ui::Image::named(tab.image), 1,
                                                   tab.contentType, tab.level1Beacon));
}

void PlaceholderScreen::loadView() {
    const auto frame = platform::ui::Screen::applicationFrame();
    auto view = std::make_shared<platform::ui::View>(platform::ui::Rect(0.0, 0.0, frame.width(), frame.height()));
    auto heading = std::make_shared<platform::ui::Label>(platform::ui::Rect(20.0, 160.0, frame.width() - 40.0, 30.0));
    heading->setText(title());
    heading->setFont(platform::gfx::Font::boldSystemFont(20.0));
    heading->setTextAlignment(platform::gfx::TextAlignment::Center);
    heading->setTextColor(platform::gfx::Color::white());
    heading->setBackgroundColor(platform::gfx::Color::clear());
    view->addSubview(heading);
    setView(view);
}

}  // namespace qov
