#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/ObserverList.h"
#include "platform/base/Value.h"

namespace platform {

// The key-value observers of one object. The object owns one and reports changes of its observable key
// paths, either around the change (willChange with the value before, didChange with the value after) or in
// one call (notifyChange). Observers are called synchronously on the reporting thread, never under the
// registry's lock; one removed while a report is under way is not called by it any more.
class KeyValueObserving {
public:
    using Handler = std::function<void(const std::string& keyPath, const Value& oldValue, const Value& newValue)>;

    KeyValueObserving() = default;
    KeyValueObserving(const KeyValueObserving&) = delete;
    KeyValueObserving& operator=(const KeyValueObserving&) = delete;

    // observer: identity for removal (usually the observing object).
    void addObserver(const void* observer, std::string keyPath, Handler handler);
    void removeObserver(const void* observer);
    void removeObserver(const void* observer, std::string_view keyPath);

    void willChange(const std::string& keyPath, Value oldValue);
    // Reports the change with the value given to the matching willChange (null without one).
    void didChange(const std::string& keyPath, const Value& newValue);
    void notifyChange(const std::string& keyPath, const Value& oldValue, const Value& newValue);

private:
    struct Registration {
        const void* observer;
        std::string keyPath;
        Handler handler;
    };

    ObserverList<Registration> m_registrations;
    std::mutex m_mutex;
    Dictionary m_valuesBeforeChange;  // keyPath → value given to willChange, guarded by m_mutex
};

}  // namespace platform
