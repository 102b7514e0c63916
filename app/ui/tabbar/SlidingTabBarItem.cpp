#include "app/ui/tabbar/SlidingTabBarItem.h"

#include "app/ui/theme/QOVThemeService.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using namespace platform::ui;

void SlidingTabBarItem::registerInterfaceFile() {
    InterfaceFile::registerBuilder(kInterfaceFileName, [](InterfaceContext& file) {
        auto item = file.makeTopLevel<SlidingTabBarItem>(Rect(0, 0, kWidth, kHeight));
        item->m_imageView = file.make<ImageView>(Rect(0, 0, kWidth, kHeight));
        item->m_button = file.make<Button>(ButtonType::Custom, Rect(24, 3, 30, 30));
        item->m_titleLabel = file.make<Label>(Rect(0, 34, kWidth, 13));
        item->m_titleLabel->setFont(platform::gfx::Font::boldSystemFont(10.0));
        item->m_titleLabel->setTextColor(platform::gfx::Color::white());
        item->m_titleLabel->setTextAlignment(platform::gfx::TextAlignment::Center);
        item->m_badgeImageView = file.make<ImageView>(Image::named("tabbar-badge.png"));
        item->m_badgeImageView->setFrame(Rect(48, 1, 26, 18));
        item->m_badgeLabel = file.make<Label>(Rect(48, 1, 26, 18));
        item->m_badgeLabel->setFont(platform::gfx::Font::boldSystemFont(11.0));
        item->m_badgeLabel->setTextColor(platform::gfx::Color::white());
        item->m_badgeLabel->setTextAlignment(platform::gfx::TextAlignment::Center);
        for (const auto& part : std::initializer_list<std::shared_ptr<View>>{
                 item->m_imageView, item->m_button, item->m_titleLabel, item->m_badgeImageView, item->m_badgeLabel}) {
            item->addSubview(part);
        }
    });
}

std::shared_ptr<SlidingTabBarItem> SlidingTabBarItem::create(const std::string& name, const std::string& title,
                                                             std::shared_ptr<Image> image, int tag,
                                                             const std::string& contentType,
                                                             const std::string& level1Beacon,
                                                             const std::string& level2Beacon) {
    auto item = viewFromNIB<SlidingTabBarItem>();
    if (!item) {
        return nullptr;
    }
    item->setItemName(name);
    item->setTitle(title);
    item->setImage(std::move(image));
    item->setTag(tag);
    item->setContentType(contentType);
    item->setLevel1Beacon(level1Beacon);
    item->setLevel2Beacon(level2Beacon);
    return item;
}

std::shared_ptr<SlidingTabBarItem> SlidingTabBarItem::emptyItem() { return viewFromNIB<SlidingTabBarItem>(); }

void SlidingTabBarItem::awakeFromNib() {
    QOVView::awakeFromNib();
    setBadgeHidden(true);
}

void SlidingTabBarItem::setTitle(const std::string& title) {
    m_title = title;
    m_titleLabel->setText(m_title);
}

void SlidingTabBarItem::setImage(std::shared_ptr<Image> image) {
    if (image == m_image) {
        return;
    }
    m_image = std::move(image);
    m_button->setBackgroundImage(m_image, kControlStateNormal);
}

void SlidingTabBarItem::setBadgeValue(const std::string& value) {
    if (value == m_badgeValue) {
        return;
    }
    m_badgeValue = value;
    m_badgeLabel->setText(m_badgeValue);
}

void SlidingTabBarItem::setBadgeHidden(bool hidden) {
    m_badgeHidden = hidden;
    m_badgeImageView->setHidden(hidden);
    m_badgeLabel->setHidden(hidden);
}

void SlidingTabBarItem::setHighlight(bool highlight) {
    m_highlight = highlight;
    setBackgroundColor(highlight ? QOVThemeService::tabBarItemHighlightedColor() : QOVThemeService::tabBarItemColor());
}

bool SlidingTabBarItem::respondsToTaps() const { return m_button->isEnabled(); }

bool SlidingTabBarItem::tapFrom(View&, const std::string&) {
    if (!m_button->isEnabled()) {
        return false;
    }
    m_button->sendActionsForControlEvents(kControlEventTouchUpInside);
    return true;
}

}  // namespace qov
