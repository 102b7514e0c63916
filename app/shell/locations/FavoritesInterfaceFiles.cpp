// The interface files of the bookmarks screen, the favourite cell, the favourite detail screen and the picker.

#include "app/shell/locations/BookmarksViewController.h"
#include "app/shell/locations/FavoriteLocationView.h"
#include "app/shell/locations/FavoritesDetailViewController.h"
#include "app/shell/locations/FavoritesViewController.h"
#include "platform/ui/Image.h"
#include "platform/ui/InterfaceFile.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/Screen.h"

namespace qov {

namespace {

using namespace platform::ui;
using platform::gfx::Color;
using platform::gfx::Font;

std::shared_ptr<Label> makeLabel(InterfaceContext& file, const Rect& frame, const Font& font,
                                 const Color& color = Color::black()) {
    auto label = file.make<Label>(frame);
    label->setFont(font);
    label->setTextColor(color);
    label->setBackgroundColor(Color::clear());
    return label;
}

std::shared_ptr<ImageView> marker(InterfaceContext& file, const Rect& frame, const std::string& image) {
    auto view = file.make<ImageView>(frame);
    view->setImage(Image::named(image));
    view->setHidden(true);
    return view;
}

}  // namespace

void FavoriteLocationView::registerInterfaceFile() {
    InterfaceFile::registerBuilder(kInterfaceFileName, [](InterfaceContext& file) {
        auto cell = file.makeTopLevel<FavoriteLocationView>(TableViewCellStyle::Default, "FavoritesCell");
        const double width = Screen::bounds().width();
        cell->setFrame(Rect(0.0, 0.0, width, 48.0));
        // Laid out for the content beside the disclosure button; the name gives way while editing.
        const double content = width - TableViewCell::kAccessoryWidth - 10.0;
        cell->contentView()->setFrame(Rect(0.0, 0.0, content, 48.0));
        cell->textLabel()->setHidden(true);
        cell->imageView()->setHidden(true);
        cell->m_wxIcon = file.make<ImageView>(Rect(4.0, 2.0, 44.0, 44.0));
        cell->m_displayName =
            makeLabel(file, Rect(54.0, 4.0, content - 54.0 - 58.0, 24.0), Font::condensedSystemFont(17.0, true));
        cell->m_displayName->setAutoresizingMask(kAutoresizingFlexibleWidth);
        cell->m_homeIndicator = marker(file, Rect(54.0, 30.0, 14.0, 14.0), "favorites-home.png");
        cell->m_pushIndicator = marker(file, Rect(72.0, 30.0, 14.0, 14.0), "favorites-push.png");
        cell->m_tempLabel =
            makeLabel(file, Rect(content - 60.0, 0.0, 52.0, 48.0), Font::condensedSystemFont(20.0, true));
        cell->m_tempLabel->setTextAlignment(platform::gfx::TextAlignment::Right);
        cell->m_tempLabel->setAutoresizingMask(kAutoresizingFlexibleLeftMargin);
        for (const auto& part :
             std::initializer_list<std::shared_ptr<View>>{cell->m_wxIcon, cell->m_displayName, cell->m_homeIndicator,
                                                          cell->m_pushIndicator, cell->m_tempLabel}) {
            cell->contentView()->addSubview(part);
        }
    });
}

void FavoritesDetailViewController::registerInterfaceFile() {
    InterfaceFile::registerBuilder(nibNameForClass("FavoritesDetailViewController"), [](InterfaceContext& file) {
        const auto frame = Screen::applicationFrame();
        const double width = frame.width() - 40.0;
        auto view = file.makeTopLevel<View>(
            Rect(0.0, 0.0, frame.width(), frame.height() - platform::ui::NavigationBar::kHeight));
        auto city = makeLabel(file, Rect(20.0, 15.0, width, 30.0), Font::boldSystemFont(20.0), Color::white());
        city->setTextAlignment(platform::gfx::TextAlignment::Center);
        auto pushLabel = makeLabel(file, Rect(20.0, 60.0, 180.0, 27.0), Font::boldSystemFont(17.0), Color::white());
        pushLabel->setText("Push Alerts");
        auto pushSwitch = file.make<Switch>(Rect(206.0, 60.0, 94.0, 27.0));
        auto homeLabel = makeLabel(file, Rect(20.0, 105.0, 180.0, 27.0), Font::boldSystemFont(17.0), Color::white());
        homeLabel->setText("Home Location");
        auto homeSwitch = file.make<Switch>(Rect(206.0, 105.0, 94.0, 27.0));
        auto nickLabel = makeLabel(file, Rect(20.0, 150.0, width, 21.0), Font::boldSystemFont(17.0), Color::white());
        nickLabel->setText("Nickname");
        auto field = file.make<TextField>(Rect(20.0, 176.0, 200.0, 31.0));
        field->setBorderStyle(TextBorderStyle::RoundedRect);
        field->setPlaceholder("Nickname");
        field->setBackgroundColor(Color::white());
        auto set = file.make<Button>(ButtonType::RoundedRect, Rect(230.0, 176.0, 70.0, 31.0));
        set->setTitle("Set");
        for (const auto& part : std::initializer_list<std::shared_ptr<View>>{city, pushLabel, pushSwitch, homeLabel,
                                                                             homeSwitch, nickLabel, field, set}) {
            view->addSubview(part);
        }
        if (auto owner = file.ownerAs<FavoritesDetailViewController>()) {
            owner->m_cityNameLabel = city;
            owner->m_pushLabel = pushLabel;
            owner->m_pushSwitch = pushSwitch;
            owner->m_homeLabel = homeLabel;
            owner->m_homeSwitch = homeSwitch;
            owner->m_nickNameLabel = nickLabel;
            owner->m_nickNameText = field;
            owner->m_setButton = set;
            owner->setView(view);
        }
    });
}

void BookmarksViewController::registerInterfaceFile() {
    InterfaceFile::registerBuilder(nibNameForClass("BookmarksViewController"), [](InterfaceContext& file) {
        const auto frame = Screen::applicationFrame();
        const double width = frame.width();
        const double height = frame.height() - platform::ui::NavigationBar::kHeight;
        const double barHeight = SearchBar::kHeight;
        auto view = file.makeTopLevel<View>(Rect(0.0, 0.0, width, height));
        auto searchBar = file.make<SearchBar>(Rect(0.0, 1.0, 257.0, barHeight));
        searchBar->setPlaceholder("City or ZIP code");
        auto findMe = file.make<Button>(ButtonType::Custom, Rect(257.0, 1.0, width - 257.0, barHeight));
        findMe->setTitle("Find Me");
        findMe->setTitleColor(Color::white());
        findMe->titleLabel()->setFont(Font::boldSystemFont(12.0));
        findMe->setBackgroundImage(Image::named("find-me-background-grey.png"));
        const double tableTop = 1.0 + barHeight;
        auto table = file.make<TableView>(Rect(0.0, tableTop, width, height - tableTop - Toolbar::kHeight));
        table->setRowHeight(kFavoriteRowHeight);
        table->setSeparatorColor(Color::rgba(0.62, 0.66, 0.74));
        table->setAllowsSelectionDuringEditing(true);
        table->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleHeight);
        auto toolBar = file.make<Toolbar>(Rect(0.0, height - Toolbar::kHeight, width, Toolbar::kHeight));
        toolBar->setAutoresizingMask(kAutoresizingFlexibleWidth | kAutoresizingFlexibleTopMargin);
        for (const auto& part : std::initializer_list<std::shared_ptr<View>>{table, toolBar, searchBar, findMe}) {
            view->addSubview(part);
        }
        if (auto owner = file.ownerAs<BookmarksViewController>()) {
            owner->m_bookmarksTableView = table;
            owner->m_searchBar = searchBar;
            owner->m_findMeButton = findMe;
            owner->m_toolBar = toolBar;
            owner->setView(view);
        }
    });
}

void FavoritesViewController::registerInterfaceFile() {
    InterfaceFile::registerBuilder(nibNameForClass("FavoritesViewController"), [](InterfaceContext& file) {
        const auto frame = Screen::applicationFrame();
        const Rect area(0.0, 0.0, frame.width(), frame.height() - platform::ui::NavigationBar::kHeight);
        auto view = file.makeTopLevel<View>(area);
        auto table = file.make<TableView>(area);
        view->addSubview(table);
        if (auto owner = file.ownerAs<FavoritesViewController>()) {
            owner->m_favoritesTableView = table;
            owner->setView(view);
        }
    });
}

}  // namespace qov
