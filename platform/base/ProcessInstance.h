#pragma once

#include <memory>
#include <mutex>
#include <new>
#include <utility>

namespace platform {

// Process instances are never destroyed. The objects behind the static accessors (`shared()`, `sharedInstance()`,
// `defaultCenter()` and the like) are made on first use and live until the process ends: no destructor of theirs
// runs during static destruction, so a screen or service torn down at any time (a test's reset, a dismissed screen)
// finds every other process instance alive, whichever was made first. Whatever must reach a file is written when it
// changes, never by a destructor at exit. The log, never destroyed either, writes its pending lines from an exit
// handler, which calls no other instance.

// NeverDestroyed<T>: a T made in place whose destructor never runs. Declare it as a function-local static (the
// language makes it once, thread-safely); what T holds stays reachable for leak checkers through static storage.
template <typename T>
class NeverDestroyed {
public:
    template <typename... Args>
    explicit NeverDestroyed(Args&&... args) {
        ::new (static_cast<void*>(m_storage)) T(std::forward<Args>(args)...);
    }
    NeverDestroyed(const NeverDestroyed&) = delete;
    NeverDestroyed& operator=(const NeverDestroyed&) = delete;

    T& get() { return *std::launder(reinterpret_cast<T*>(m_storage)); }
    T& operator*() { return get(); }
    T* operator->() { return &get(); }

private:
    alignas(T) unsigned char m_storage[sizeof(T)];
};

// ProcessSlot<T>: the replaceable process instance of T behind a static accessor. Declare it as a function-local
// static; it is never destroyed. Any thread: `instance(make)` answers the instance, made by `make()` on first use
// under the slot's lock (so `make` must not ask the same slot); `current()` answers it without making one;
// `exchange(other)` puts another instance in (tests, hosts that aim a service elsewhere; nullptr makes the next
// `instance` make a fresh one) and answers the previous one, which the caller may stop outside the lock.
template <typename T>
class ProcessSlot {
public:
    template <typename Make>
    std::shared_ptr<T> instance(Make&& make) {
        const std::lock_guard lock(*m_mutex);
        if (!*m_instance) {
            *m_instance = std::forward<Make>(make)();
        }
        return *m_instance;
    }

    std::shared_ptr<T> current() {
        const std::lock_guard lock(*m_mutex);
        return *m_instance;
    }

    std::shared_ptr<T> exchange(std::shared_ptr<T> other) {
        const std::lock_guard lock(*m_mutex);
        m_instance->swap(other);
        return other;
    }

private:
    NeverDestroyed<std::mutex> m_mutex;
    NeverDestroyed<std::shared_ptr<T>> m_instance;
};

}  // namespace platform
