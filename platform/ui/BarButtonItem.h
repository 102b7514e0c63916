#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/gfx/Color.h"

namespace platform::ui {

class Image;
class View;

enum class BarButtonItemStyle { Plain = 0, Bordered = 1, Done = 2 };

enum class BarButtonSystemItem {
    None = -1,
    Done = 0,
    Cancel,
    Edit,
    Save,
    Add,
    FlexibleSpace,
    FixedSpace,
    Compose,
    Reply,
    Action,
    Organize,
    Bookmarks,
    Search,
    Refresh,
    Stop,
    Camera,
    Trash,
    Play,
    Pause,
    Rewind,
    FastForward,
};

// A button on a toolbar or navigation bar: a title, an image, a system item or a custom view, and an action.
class BarButtonItem {
public:
    using Action = std::function<void(BarButtonItem&)>;

    BarButtonItem(std::string title, BarButtonItemStyle style, Action action = {});
    BarButtonItem(std::shared_ptr<Image> image, BarButtonItemStyle style, Action action = {});
    BarButtonItem(BarButtonSystemItem systemItem, Action action = {});
    explicit BarButtonItem(std::shared_ptr<View> customView);

    // The title shown: the given title, or the system item's name ("Done", "Play", ...).
    std::string title() const;
    void setTitle(std::string title) { m_title = std::move(title); }
    const std::shared_ptr<Image>& image() const { return m_image; }
    void setImage(std::shared_ptr<Image> image) { m_image = std::move(image); }
    BarButtonItemStyle style() const { return m_style; }
    void setStyle(BarButtonItemStyle style) { m_style = style; }
    BarButtonSystemItem systemItem() const { return m_systemItem; }
    const std::shared_ptr<View>& customView() const { return m_customView; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    double width() const { return m_width; }
    void setWidth(double width) { m_width = width; }
    const gfx::Color& tintColor() const { return m_tintColor; }
    void setTintColor(const gfx::Color& color) { m_tintColor = color; }
    bool isSpace() const {
        return m_systemItem == BarButtonSystemItem::FlexibleSpace || m_systemItem == BarButtonSystemItem::FixedSpace;
    }

    const Action& action() const { return m_action; }
    void setAction(Action action) { m_action = std::move(action); }
    // A tap: runs the action when enabled; answers whether it ran.
    bool tap();

private:
    std::string m_title;
    std::shared_ptr<Image> m_image;
    BarButtonItemStyle m_style = BarButtonItemStyle::Plain;
    BarButtonSystemItem m_systemItem = BarButtonSystemItem::None;
    std::shared_ptr<View> m_customView;
    bool m_enabled = true;
    int m_tag = 0;
    double m_width = 0.0;
    gfx::Color m_tintColor = gfx::Color::clear();
    Action m_action;
};

}  // namespace platform::ui
