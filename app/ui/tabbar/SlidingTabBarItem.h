#pragma once

#include <memory>
#include <string>

#include "app/ui/base/QOVView.h"
#include "platform/gfx/EdgeInsets.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"

namespace qov {

// One tab of the sliding tab strip: a picture on a button, a title and a badge. Every tab screen makes its
// item in its constructor; the strip numbers the items (tags from 1) and highlights the selected one. The
// content type and beacon names go to measurement when the item is pressed. Main thread only.
class SlidingTabBarItem : public QOVView {
public:
    using QOVView::QOVView;

    static constexpr const char* kInterfaceFileName = "SlidingTabBarItem";
    static constexpr double kWidth = 78.0;
    static constexpr double kHeight = 49.0;

    // An item from the interface file with the given values (nullptr when the file is not registered).
    static std::shared_ptr<SlidingTabBarItem> create(const std::string& name, const std::string& title,
                                                     std::shared_ptr<platform::ui::Image> image, int tag,
                                                     const std::string& contentType, const std::string& level1Beacon,
                                                     const std::string& level2Beacon = {});
    // A blank item, standing in for a screen without one.
    static std::shared_ptr<SlidingTabBarItem> emptyItem();
    static void registerInterfaceFile();

    // Outlets.
    std::shared_ptr<platform::ui::Label> m_titleLabel;
    std::shared_ptr<platform::ui::ImageView> m_imageView;
    std::shared_ptr<platform::ui::Button> m_button;
    std::shared_ptr<platform::ui::ImageView> m_badgeImageView;
    std::shared_ptr<platform::ui::Label> m_badgeLabel;

    // The badge starts hidden.
    void awakeFromNib() override;

    const std::string& itemName() const { return m_itemName; }
    void setItemName(std::string name) { m_itemName = std::move(name); }
    const std::string& title() const { return m_title; }
    // Shown in the title label (also when unchanged).
    void setTitle(const std::string& title);
    const std::shared_ptr<platform::ui::Image>& image() const { return m_image; }
    // Also the button's normal background.
    void setImage(std::shared_ptr<platform::ui::Image> image);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    const std::string& contentType() const { return m_contentType; }
    void setContentType(std::string type) { m_contentType = std::move(type); }
    const std::string& level1Beacon() const { return m_level1Beacon; }
    void setLevel1Beacon(std::string beacon) { m_level1Beacon = std::move(beacon); }
    const std::string& level2Beacon() const { return m_level2Beacon; }
    void setLevel2Beacon(std::string beacon) { m_level2Beacon = std::move(beacon); }
    const std::shared_ptr<platform::ui::Button>& button() const { return m_button; }

    const std::string& badgeValue() const { return m_badgeValue; }
    void setBadgeValue(const std::string& value);
    bool isBadgeHidden() const { return m_badgeHidden; }
    void setBadgeHidden(bool hidden);
    bool isHighlighted() const { return m_highlight; }
    // The theme's highlighted or plain tab colour becomes the background.
    void setHighlight(bool highlight);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    const platform::gfx::EdgeInsets& imageInsets() const { return m_imageInsets; }
    void setImageInsets(const platform::gfx::EdgeInsets& insets) { m_imageInsets = insets; }

    // A touch anywhere on the item (its picture, its title, its badge) presses its button, while the button is
    // enabled: the item is pressed as a whole.
    bool respondsToTaps() const override;
    bool tapFrom(platform::ui::View& touched, const std::string& text) override;

private:
    std::string m_itemName;
    std::string m_badgeValue;
    bool m_enabled = false;
    std::shared_ptr<platform::ui::Image> m_image;
    platform::gfx::EdgeInsets m_imageInsets;
    int m_tag = 0;
    std::string m_title;
    bool m_highlight = false;
    bool m_badgeHidden = false;
    std::string m_contentType;
    std::string m_level1Beacon;
    std::string m_level2Beacon;
};

}  // namespace qov
