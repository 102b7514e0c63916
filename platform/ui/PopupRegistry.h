#pragma once

#include <memory>
#include <vector>

namespace platform::ui {

class PopupView;

// The alerts and action sheets on screen, oldest first; the last one is in front. It keeps them alive
// while they are shown. Main thread only.
class PopupRegistry {
public:
    static PopupRegistry& shared();

    const std::vector<std::shared_ptr<PopupView>>& visible() const { return m_visible; }
    std::shared_ptr<PopupView> top() const { return m_visible.empty() ? nullptr : m_visible.back(); }

    void add(const std::shared_ptr<PopupView>& popup);
    void remove(const PopupView& popup);
    // Tests: forgets every popup without telling anyone.
    void removeAll() { m_visible.clear(); }

private:
    std::vector<std::shared_ptr<PopupView>> m_visible;
};

}  // namespace platform::ui
