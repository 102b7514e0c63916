#include "platform/ui/BarButtonItem.h"

#include <array>

namespace platform::ui {

namespace {

constexpr std::array<const char*, 21> kSystemTitles = {
    "Done",    "Cancel", "Edit",   "Save",     "Add",       "",       "",
    "Compose", "Reply",  "Action", "Organize", "Bookmarks", "Search", "Refresh",
    "Stop",    "Camera", "Trash",  "Play",     "Pause",     "Rewind", "Fast Forward",
};

}  // namespace

BarButtonItem::BarButtonItem(std::string title, BarButtonItemStyle style, Action action)
    : m_title(std::move(title)), m_style(style), m_action(std::move(action)) {}

BarButtonItem::BarButtonItem(std::shared_ptr<Image> image, BarButtonItemStyle style, Action action)
    : m_image(std::move(image)), m_style(style), m_action(std::move(action)) {}

BarButtonItem::BarButtonItem(BarButtonSystemItem systemItem, Action action)
    : m_style(systemItem == BarButtonSystemItem::Done ? BarButtonItemStyle::Done : BarButtonItemStyle::Bordered),
      m_systemItem(systemItem),
      m_action(std::move(action)) {}

BarButtonItem::BarButtonItem(std::shared_ptr<View> customView) : m_customView(std::move(customView)) {}

std::string BarButtonItem::title() const {
    if (!m_title.empty() || m_systemItem == BarButtonSystemItem::None) {
        return m_title;
    }
    return kSystemTitles[static_cast<std::size_t>(m_systemItem)];
}

bool BarButtonItem::tap() {
    if (!m_enabled || !m_action || isSpace()) {
        return false;
    }
    m_action(*this);
    return true;
}

}  // namespace platform::ui
