#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qov {

// The listeners registered under one identifier, held weakly, each at most once, in registration order.
// Registrations are made in two steps, because the cache queues them to the main run loop: schedule() records
// the intent at once, commit() (later) enters the listener. remove() both removes the listener and cancels
// its scheduled registrations, so a listener that stopped is never entered afterwards.
// Not thread-safe: the owner guards it with its lock.
template <typename Listener>
class ListenerList {
public:
    // One scheduled registration: its listener, and whether a remove() came before its commit().
    struct Registration {
        std::weak_ptr<Listener> listener;
        const Listener* identity = nullptr;
        bool cancelled = false;
    };

    std::shared_ptr<Registration> schedule(const std::shared_ptr<Listener>& listener) {
        auto registration = std::make_shared<Registration>(Registration{listener, listener.get(), false});
        m_scheduled.push_back(registration);
        return registration;
    }

    // Enters the scheduled listener unless its registration was cancelled, it is gone or it is already in.
    // Answers true when it was entered.
    bool commit(const std::shared_ptr<Registration>& registration) {
        std::erase(m_scheduled, registration);
        const auto listener = registration->listener.lock();
        if (registration->cancelled || !listener) {
            return false;
        }
        dropExpired();
        if (contains(listener.get())) {
            return false;
        }
        m_entries.push_back(Entry{listener, listener.get()});
        return true;
    }

    void remove(const Listener* listener) {
        std::erase_if(m_entries, [listener](const Entry& entry) { return entry.identity == listener; });
        for (const auto& registration : m_scheduled) {
            if (registration->identity == listener) {
                registration->cancelled = true;
            }
        }
    }

    bool contains(const Listener* listener) const {
        return std::any_of(m_entries.begin(), m_entries.end(), [listener](const Entry& entry) {
            return entry.identity == listener && !entry.listener.expired();
        });
    }

    // The living listeners in registration order; listeners that are gone are dropped.
    std::vector<std::shared_ptr<Listener>> listeners() {
        dropExpired();
        std::vector<std::shared_ptr<Listener>> result;
        result.reserve(m_entries.size());
        for (const auto& entry : m_entries) {
            if (auto listener = entry.listener.lock()) {
                result.push_back(std::move(listener));
            }
        }
        return result;
    }

private:
    struct Entry {
        std::weak_ptr<Listener> listener;
        const Listener* identity;
    };

    void dropExpired() {
        std::erase_if(m_entries, [](const Entry& entry) { return entry.listener.expired(); });
    }

    std::vector<Entry> m_entries;
    std::vector<std::shared_ptr<Registration>> m_scheduled;
};

// Identifier (location identifier text or application id) → its listeners.
template <typename Listener>
using ListenerMapping = std::map<std::string, ListenerList<Listener>, std::less<>>;

}  // namespace qov
