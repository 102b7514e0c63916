#include "app/maps/overlay/QOVImageCacheEntry.h"

#include <atomic>

namespace qov {

namespace {

std::atomic<std::uint64_t> g_entryCounter{0};

}  // namespace

QOVImageCacheEntry::QOVImageCacheEntry(std::shared_ptr<platform::ui::Image> image, std::string key)
    : m_image(std::move(image)), m_key(std::move(key)), m_counter(++g_entryCounter) {}

std::uint64_t QOVImageCacheEntry::currentCounter() { return g_entryCounter.load(); }

}  // namespace qov
