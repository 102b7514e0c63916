#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

// A thread-safe list of observer registrations that may change while it is being walked. A walk calls its
// observers outside the lock, on a snapshot, and skips a registration removed meanwhile (by an earlier observer
// of the same walk, say). Removed entries are destroyed after the lock is dropped, since the destructors of
// their handlers' captures may call back in.
template <typename Entry>
class ObserverList {
public:
    void add(Entry entry) {
        auto item = std::make_shared<Item>(Item{std::move(entry)});
        std::lock_guard lock(m_mutex);
        m_items.push_back(std::move(item));
    }

    void removeWhere(const std::function<bool(const Entry&)>& matches) {
        std::vector<std::shared_ptr<Item>> removed;
        std::lock_guard lock(m_mutex);
        std::erase_if(m_items, [&](const std::shared_ptr<Item>& item) {
            if (!matches(item->entry)) {
                return false;
            }
            item->removed = true;
            removed.push_back(item);
            return true;
        });
    }

    void forEachMatching(const std::function<bool(const Entry&)>& matches,
                         const std::function<void(const Entry&)>& deliver) const {
        std::vector<std::shared_ptr<Item>> receivers;
        {
            std::lock_guard lock(m_mutex);
            for (const auto& item : m_items) {
                if (matches(item->entry)) {
                    receivers.push_back(item);
                }
            }
        }
        for (const auto& item : receivers) {
            if (!isRemoved(*item)) {
                deliver(item->entry);
            }
        }
    }

private:
    struct Item {
        Entry entry;
        bool removed = false;  // guarded by m_mutex
    };

    bool isRemoved(const Item& item) const {
        std::lock_guard lock(m_mutex);
        return item.removed;
    }

    mutable std::mutex m_mutex;
    std::vector<std::shared_ptr<Item>> m_items;
};

}  // namespace platform
