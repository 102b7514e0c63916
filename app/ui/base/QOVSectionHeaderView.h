#pragma once

#include <memory>
#include <string>

#include "app/ui/base/QOVSectionHeaderViewDelegate.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace qov {

// The header strip of a section screen: a title, a "Last Updated" subtitle, a logo and a tweet, share or
// back button (back excludes the other two). The delegate is not retained. Main thread only.
class QOVSectionHeaderView : public platform::ui::View {
public:
    static constexpr const char* kInterfaceFileName = "QOVSectionHeaderView";

    using View::View;

    // A header from its interface file; in this edition with the theme's background and no divider.
    static std::shared_ptr<QOVSectionHeaderView> headerWithStandardSize();
    // Registers the interface file (the application does so at start-up with its other files).
    static void registerInterfaceFile();

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_titleLabel;
    std::shared_ptr<platform::ui::Label> m_subtitleLabel;
    std::shared_ptr<platform::ui::ImageView> m_logoImageView;
    std::shared_ptr<platform::ui::Button> m_tweetButton;
    std::shared_ptr<platform::ui::Button> m_shareButton;
    std::shared_ptr<platform::ui::Button> m_backButton;
    std::shared_ptr<platform::ui::View> m_divider;

    std::shared_ptr<QOVSectionHeaderViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<QOVSectionHeaderViewDelegate> delegate) { m_delegate = std::move(delegate); }

    // Title and subtitle start empty.
    void awakeFromNib() override;

    // The subtitle reads the localised "Last Updated: %@" with the trimmed text; nothing left (or none)
    // reads "N/A", and every "N/A" becomes the localised "common.na".
    void setLastUpdated(const std::string& text);
    std::string lastUpdated() const;

    bool shareEnabled() const;
    void setShareEnabled(bool enabled);
    bool tweetEnabled() const;
    void setTweetEnabled(bool enabled);
    bool backEnabled() const;
    void setBackEnabled(bool enabled);

    // Button actions: passed on to the delegate.
    void tweetButtonPressed();
    void shareButtonPressed();
    void backButtonPressed();

private:
    std::weak_ptr<QOVSectionHeaderViewDelegate> m_delegate;
};

}  // namespace qov
