#include "app/legacymaps/series/QOVTileSets.h"

#include <utility>

#include "platform/base/ProcessInstance.h"

namespace qov {

QOVTileSets& QOVTileSets::sharedInstance() {
    static platform::NeverDestroyed<QOVTileSets> instance;
    return *instance;
}

void QOVTileSets::registerListener(const std::shared_ptr<QOVTileSetsListener>& listener, const std::string& key) {
    std::lock_guard lock(m_mutex);
    m_listeners[key].add(listener);
}

void QOVTileSets::unregisterListener(const std::shared_ptr<QOVTileSetsListener>& listener, const std::string& key) {
    std::lock_guard lock(m_mutex);
    if (const auto found = m_listeners.find(key); found != m_listeners.end()) {
        found->second.remove(listener.get());
    }
}

void QOVTileSets::notifyAllListeners() {
    std::vector<std::pair<std::string, std::shared_ptr<QOVTileSetsListener>>> calls;
    {
        std::lock_guard lock(m_mutex);
        for (auto& [key, listeners] : m_listeners) {
            for (auto& listener : listeners.snapshot()) {
                calls.emplace_back(key, std::move(listener));
            }
        }
    }
    for (const auto& [key, listener] : calls) {
        listener->tilesUpdatedForOverlay(key);
    }
}

void QOVTileSets::mapSeriesUpdated(const QOVTileSeries&) {}

}  // namespace qov
