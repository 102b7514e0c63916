#include "app/neighbours/screens/NeighbourScreen.h"

#include "app/ui/tabbar/SlidingTabBarItem.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/Label.h"

namespace qov {

using namespace platform::ui;

NeighbourScreen::NeighbourScreen(std::string nibName, std::string pageName)
    : QOVViewController(std::move(nibName)), m_pageName(std::move(pageName)) {}

void NeighbourScreen::setTabItem(const std::string& name, const std::string& title, const std::string& image,
                                 const std::string& contentType, const std::string& level1Beacon,
                                 const std::string& level2Beacon) {
    setTitle(title);
    setSlidingTabBarItem(
        SlidingTabBarItem::create(name, title, Image::named(image), 1, contentType, level1Beacon, level2Beacon));
}

void NeighbourScreen::registerTitledInterfaceFile(const std::string& name) {
    InterfaceFile::registerBuilder(name, [](InterfaceContext& file) {
        const auto owner = file.ownerAs<QOVViewController>();
        if (!owner) {
            return;
        }
        auto view = file.makeTopLevel<View>(Rect(0, 0, 320, 367));
        view->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
        auto title = file.make<Label>(Rect(20, 160, 280, 30));
        title->setText(owner->title());
        title->setFont(platform::gfx::Font::boldSystemFont(20.0));
        title->setTextColor(platform::gfx::Color::white());
        title->setTextAlignment(platform::gfx::TextAlignment::Center);
        title->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleTopMargin |
                                   kAutoresizingFlexibleBottomMargin);
        view->addSubview(title);
        owner->setView(view);
    });
}

}  // namespace qov
