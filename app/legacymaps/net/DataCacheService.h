#pragma once

#include <atomic>
#include <cstdint>

#include "platform/base/ProcessInstance.h"

namespace qov {

// The legacy data cache's process-wide service: one instance, made on first use (thread-safe), holding a store
// count. It offers nothing else.
class DataCacheService {
public:
    static DataCacheService& sharedInstance();

    std::int64_t storeCount() const { return m_storeCount; }
    void setStoreCount(std::int64_t count) { m_storeCount = count; }

    DataCacheService(const DataCacheService&) = delete;
    DataCacheService& operator=(const DataCacheService&) = delete;

private:
    friend class platform::NeverDestroyed<DataCacheService>;
    DataCacheService() = default;
    std::atomic<std::int64_t> m_storeCount{0};
};

}  // namespace qov
