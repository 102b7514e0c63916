#include <functional>
#include <memory>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "platform/gfx/BitmapContext.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/NavigationBar.h"
#include "platform/ui/ProgressView.h"
#include "platform/ui/SearchBar.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TextField.h"
#include "platform/ui/ViewLook.h"
#include "platform/ui/WebView.h"
#include "tests/platform/ui/UiFixture.h"

namespace platform::ui {
namespace {

using ViewLookTest = UiFixture;

std::shared_ptr<Image> picture(const std::string& name) {
    return std::make_shared<Image>(gfx::BitmapContext(2, 2).makeImage(), name);
}

std::string lookOf(const View& view) {
    std::string out;
    for (const auto& word : ViewLook::words(view)) {
        out += out.empty() ? word : " " + word;
    }
    return out;
}

TEST_F(ViewLookTest, EachKindOfViewShowsWhatItDraws) {
    struct Case {
        const char* what;
        std::function<std::shared_ptr<View>()> make;
        std::string look;
    };
    const Case cases[] = {
        {"a plain view", [] { return std::make_shared<View>(); }, ""},
        {"a turned, rounded, half-red view",
         [] {
             auto view = std::make_shared<View>();
             view->setBackgroundColor(gfx::Color::rgba(1, 0, 0, 0.5));
             view->layer().cornerRadius = 6;
             view->setRotation(-std::numbers::pi / 2);
             return view;
         },
         "background #FF000080 corners 6 rotation -90"},
        {"a centred bold label on two lines",
         [] {
             auto label = std::make_shared<Label>();
             label->setFont(gfx::Font::boldSystemFont(15));
             label->setTextAlignment(gfx::TextAlignment::Center);
             label->setNumberOfLines(2);
             return label;
         },
         "font DejaVuSans-Bold 15 align center lines 2"},
        {"a right-aligned condensed label",
         [] {
             auto label = std::make_shared<Label>();
             label->setFont(gfx::Font::condensedSystemFont(12.5));
             label->setTextAlignment(gfx::TextAlignment::Right);
             return label;
         },
         "font DejaVuSansCondensed 12.5 align right"},
        {"a titled button with pictures",
         [] {
             auto button = std::make_shared<Button>();
             button->setTitle("Play");
             button->setTitleColor(gfx::Color::rgba(0, 0, 1));
             button->setImage(picture("play.png"));
             button->setBackgroundImage(picture("button.png"));
             return button;
         },
         "color #0000FF font DejaVuSans-Bold 15 image play.png background-image button.png"},
        {"a button that is only a picture",
         [] {
             auto button = std::make_shared<Button>();
             button->setImage(picture("share.png"));
             return button;
         },
         "image share.png"},
        {"an empty field showing its placeholder",
         [] {
             auto field = std::make_shared<TextField>();
             field->setPlaceholder("City");
             field->setFont(gfx::Font::condensedSystemFont(14, true));
             field->setBorderStyle(TextBorderStyle::Bezel);
             return field;
         },
         "color #000000 font DejaVuSansCondensed-Bold 14 placeholder \"City\" border bezel"},
        {"a black search bar with its cancel button",
         [] {
             auto bar = std::make_shared<SearchBar>();
             bar->setPlaceholder("ZIP");
             bar->setBarStyle(BarStyle::Black);
             bar->setShowsCancelButton(true);
             return bar;
         },
         "placeholder \"ZIP\" tint #6E85A1 style black cancel"},
        {"a navigation bar with a back and a right button",
         [] {
             auto bar = std::make_shared<NavigationBar>();
             bar->setTintColor(gfx::Color::black());
             bar->pushNavigationItem(std::make_shared<NavigationItem>("Settings"));
             auto top = std::make_shared<NavigationItem>("About");
             top->setRightBarButtonItem(std::make_shared<BarButtonItem>("Edit", BarButtonItemStyle::Bordered));
             bar->pushNavigationItem(top);
             return bar;
         },
         "tint #000000 back \"Settings\" right \"Edit\""},
        {"a selected cell with a checkmark",
         [] {
             auto cell = std::make_shared<TableViewCell>();
             cell->setAccessoryType(TableViewCellAccessoryType::Checkmark);
             cell->setSelected(true);
             return cell;
         },
         "selected accessory checkmark background #FFFFFF"},
        {"an image view keeping proportions",
         [] {
             auto image = std::make_shared<ImageView>(picture("sun.png"));
             image->setContentMode(ContentMode::ScaleAspectFit);
             return image;
         },
         "aspect-fit"},
        {"a quarter-full progress bar",
         [] {
             auto progress = std::make_shared<ProgressView>();
             progress->setProgress(0.25);
             return progress;
         },
         "progress 0.25"},
        {"a spinning indicator",
         [] {
             auto spinner = std::make_shared<ActivityIndicatorView>();
             spinner->startAnimating();
             return spinner;
         },
         "animating"},
        {"a web page",
         [] {
             auto web = std::make_shared<WebView>();
             web->loadHTMLString("<html><title>Help</title><body>Tap a pin.</body></html>", "");
             return web;
         },
         "title \"Help\" page \"Help Tap a pin.\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lookOf(*c.make()), c.look) << c.what;
    }
}

}  // namespace
}  // namespace platform::ui
