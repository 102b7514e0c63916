#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/gfx/Color.h"

namespace qov {

// Remembers the answers of a colour lookup by name, found or not, up to a number of names: when that many are
// kept, the cache starts afresh, so unknown names cannot make it grow without bound. Thread-safe; the lookup runs
// under the cache's lock.
class NamedColorCache {
public:
    using Color = platform::gfx::Color;
    using Lookup = std::function<std::optional<Color>(std::string_view name)>;

    NamedColorCache(Lookup lookup, std::size_t capacity);

    std::optional<Color> colorWithName(std::string_view name);
    // How many names are kept now.
    std::size_t count() const;

private:
    mutable std::mutex m_mutex;
    Lookup m_lookup;
    std::size_t m_capacity;
    std::map<std::string, std::optional<Color>, std::less<>> m_answers;
};

}  // namespace qov
