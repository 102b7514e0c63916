#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ui/Image.h"

namespace qov {

// One image of a tile overlay's image cache. Every entry made in the process takes the next value of one
// counter, so a higher counter is a newer entry. Immutable; any thread.
class QOVImageCacheEntry {
public:
    QOVImageCacheEntry(std::shared_ptr<platform::ui::Image> image, std::string key);

    const std::shared_ptr<platform::ui::Image>& image() const { return m_image; }
    const std::string& key() const { return m_key; }
    std::uint64_t counter() const { return m_counter; }
    // The counter of the newest entry (0 before the first).
    static std::uint64_t currentCounter();

private:
    std::shared_ptr<platform::ui::Image> m_image;
    std::string m_key;
    std::uint64_t m_counter;
};

}  // namespace qov
