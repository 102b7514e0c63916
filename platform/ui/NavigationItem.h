#pragma once

#include <memory>
#include <string>

#include "platform/ui/BarButtonItem.h"

namespace platform::ui {

class View;

// What a navigation bar shows for one screen: a title (or title view) and the bar buttons.
class NavigationItem {
public:
    explicit NavigationItem(std::string title = {}) : m_title(std::move(title)) {}

    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    const std::shared_ptr<View>& titleView() const { return m_titleView; }
    void setTitleView(std::shared_ptr<View> view) { m_titleView = std::move(view); }
    const std::shared_ptr<BarButtonItem>& leftBarButtonItem() const { return m_leftBarButtonItem; }
    void setLeftBarButtonItem(std::shared_ptr<BarButtonItem> item) { m_leftBarButtonItem = std::move(item); }
    const std::shared_ptr<BarButtonItem>& rightBarButtonItem() const { return m_rightBarButtonItem; }
    void setRightBarButtonItem(std::shared_ptr<BarButtonItem> item) { m_rightBarButtonItem = std::move(item); }
    // The button the next screen's bar shows to come back here (its title replaces this item's title).
    const std::shared_ptr<BarButtonItem>& backBarButtonItem() const { return m_backBarButtonItem; }
    void setBackBarButtonItem(std::shared_ptr<BarButtonItem> item) { m_backBarButtonItem = std::move(item); }
    bool hidesBackButton() const { return m_hidesBackButton; }
    void setHidesBackButton(bool hides) { m_hidesBackButton = hides; }

private:
    std::string m_title;
    std::shared_ptr<View> m_titleView;
    std::shared_ptr<BarButtonItem> m_leftBarButtonItem;
    std::shared_ptr<BarButtonItem> m_rightBarButtonItem;
    std::shared_ptr<BarButtonItem> m_backBarButtonItem;
    bool m_hidesBackButton = false;
};

}  // namespace platform::ui
