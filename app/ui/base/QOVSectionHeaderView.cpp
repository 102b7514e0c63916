#include "app/ui/base/QOVSectionHeaderView.h"

#include "app/core/services/QOVSettingsService.h"
#include "app/core/xml/WhitespaceTrim.h"
#include "app/ui/text/LocalizedFormat.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Callback.h"
#include "platform/ui/InterfaceFile.h"

namespace qov {

using namespace platform::ui;

namespace {

std::shared_ptr<Button> makeHeaderButton(InterfaceContext& file, const Rect& frame, const std::string& image) {
    auto button = file.make<Button>(ButtonType::Custom, frame);
    button->setImage(Image::named(image));
    button->setHidden(true);
    return button;
}

}  // namespace

void QOVSectionHeaderView::registerInterfaceFile() {
    InterfaceFile::registerBuilder(kInterfaceFileName, [](InterfaceContext& file) {
        auto header = file.makeTopLevel<QOVSectionHeaderView>(Rect(0, 0, 320, 44));
        header->m_logoImageView = file.make<ImageView>(Rect(6, 6, 32, 32));
        header->m_titleLabel = file.make<Label>(Rect(44, 4, 190, 20));
        header->m_titleLabel->setFont(platform::gfx::Font::boldSystemFont(16.0));
        header->m_titleLabel->setTextColor(platform::gfx::Color::white());
        header->m_subtitleLabel = file.make<Label>(Rect(44, 24, 190, 16));
        header->m_subtitleLabel->setFont(platform::gfx::Font::systemFont(11.0));
        header->m_subtitleLabel->setTextColor(platform::gfx::Color::lightGray());
        header->m_tweetButton = makeHeaderButton(file, Rect(240, 6, 32, 32), "header-button-tweet.png");
        header->m_shareButton = makeHeaderButton(file, Rect(280, 6, 32, 32), "header-button-share.png");
        header->m_backButton = makeHeaderButton(file, Rect(280, 6, 32, 32), "header-button-back.png");
        header->m_divider = file.make<View>(Rect(0, 43, 320, 1));
        header->m_divider->setBackgroundColor(platform::gfx::Color::gray());
        for (const auto& part : std::initializer_list<std::shared_ptr<View>>{
                 header->m_logoImageView, header->m_titleLabel, header->m_subtitleLabel, header->m_tweetButton,
                 header->m_shareButton, header->m_backButton, header->m_divider}) {
            header->addSubview(part);
        }
        const auto connect = [&](const std::shared_ptr<Button>& button, void (QOVSectionHeaderView::*action)()) {
            button->addAction(
                kControlEventTouchUpInside,
                platform::bindWeak(header, [action](QOVSectionHeaderView& view, Control&) { (view.*action)(); }));
        };
        connect(header->m_tweetButton, &QOVSectionHeaderView::tweetButtonPressed);
        connect(header->m_shareButton, &QOVSectionHeaderView::shareButtonPressed);
        connect(header->m_backButton, &QOVSectionHeaderView::backButtonPressed);
    });
}

std::shared_ptr<QOVSectionHeaderView> QOVSectionHeaderView::headerWithStandardSize() {
    auto header = InterfaceFile::loadFirst<QOVSectionHeaderView>(kInterfaceFileName);
    if (!header) {
        return nullptr;
    }
    if (QOVSettingsService::isPremiumApp()) {
        header->setBackgroundColor(QOVThemeService::backgroundColor());
        header->m_divider->setHidden(true);
    } else {
        header->setBackgroundColor(platform::gfx::Color::clear());
    }
    return header;
}

void QOVSectionHeaderView::awakeFromNib() {
    View::awakeFromNib();
    m_titleLabel->setText("");
    m_subtitleLabel->setText("");
}

void QOVSectionHeaderView::setLastUpdated(const std::string& text) {
    std::string updated = trimmedWhitespaceAndNewlines(text);
    if (updated.empty()) {
        updated = "N/A";
    }
    updated = replacingOccurrences(updated, "N/A", localized("common.na"));
    m_subtitleLabel->setText(formatWithObject(localized("Last Updated: %@"), updated));
}

std::string QOVSectionHeaderView::lastUpdated() const { return m_subtitleLabel->text(); }

bool QOVSectionHeaderView::shareEnabled() const { return !m_shareButton->isHidden(); }
bool QOVSectionHeaderView::tweetEnabled() const { return !m_tweetButton->isHidden(); }
bool QOVSectionHeaderView::backEnabled() const { return !m_backButton->isHidden(); }

void QOVSectionHeaderView::setShareEnabled(bool enabled) {
    m_shareButton->setHidden(!enabled);
    if (enabled) {
        m_backButton->setHidden(true);
    }
}

void QOVSectionHeaderView::setTweetEnabled(bool enabled) {
    m_tweetButton->setHidden(!enabled);
    if (enabled) {
        m_backButton->setHidden(true);
    }
}

void QOVSectionHeaderView::setBackEnabled(bool enabled) {
    m_backButton->setHidden(!enabled);
    if (enabled) {
        m_shareButton->setHidden(true);
        m_tweetButton->setHidden(true);
    }
}

void QOVSectionHeaderView::tweetButtonPressed() {
    if (const auto target = delegate()) {
        target->tweetButtonPressed();
    }
}

void QOVSectionHeaderView::shareButtonPressed() {
    if (const auto target = delegate()) {
        target->shareButtonPressed();
    }
}

void QOVSectionHeaderView::backButtonPressed() {
    if (const auto target = delegate()) {
        target->backButtonPressed();
    }
}

}  // namespace qov
