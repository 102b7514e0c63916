#pragma once

#include <algorithm>
#include <memory>
#include <vector>

namespace platform {

// Listeners held weakly, each at most once, in registration order; those that are gone are dropped as the list
// is used. Not thread-safe: the owner guards it with its lock and calls the snapshot's listeners outside it.
template <typename Listener>
class WeakListenerList {
public:
    // False when listener is null or already in the list.
    bool add(const std::shared_ptr<Listener>& listener) {
        if (!listener) {
            return false;
        }
        const auto living = snapshot();
        if (std::find(living.begin(), living.end(), listener) != living.end()) {
            return false;
        }
        m_listeners.push_back(listener);
        return true;
    }

    void remove(const Listener* listener) {
        std::erase_if(m_listeners, [listener](const std::weak_ptr<Listener>& each) {
            const auto held = each.lock();
            return !held || held.get() == listener;
        });
    }

    // The living listeners in registration order.
    std::vector<std::shared_ptr<Listener>> snapshot() {
        std::erase_if(m_listeners, [](const std::weak_ptr<Listener>& each) { return each.expired(); });
        std::vector<std::shared_ptr<Listener>> living;
        for (const auto& each : m_listeners) {
            if (auto held = each.lock()) {
                living.push_back(std::move(held));
            }
        }
        return living;
    }

private:
    std::vector<std::weak_ptr<Listener>> m_listeners;
};

}  // namespace platform
