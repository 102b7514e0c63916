#include <algorithm>
#include <system_error>

#include "app/maps/cache/MapTileFileName.h"
#include "app/maps/cache/QOVMapCache.h"
#include "platform/base/Log.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/KeyedArchiver.h"
#include "platform/storage/PrivateFolder.h"

QOV_LOG_LEVEL(3)

namespace qov {

std::optional<std::string> QOVMapCache::fileNameForSeries(const QOVMapSeries& series, const std::string& quadKey) {
    return MapTileFileName{series.layerName(), series.seriesDate(), series.masterSeriesDate(), quadKey}.text();
}

std::filesystem::path QOVMapCache::cachesPathURLWithFileName(const std::string& fileName) const {
    return fileName.empty() ? m_folder : m_folder / fileName;
}

bool QOVMapCache::cacheFileExistsForPath(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

std::optional<std::filesystem::path> QOVMapCache::existingTileFile(const QOVMapSeries& series,
                                                                   const std::string& quadKey) const {
    const auto fileName = fileNameForSeries(series, quadKey);
    if (!fileName) {
        return std::nullopt;
    }
    auto file = cachesPathURLWithFileName(*fileName);
    if (!cacheFileExistsForPath(file)) {
        return std::nullopt;
    }
    return file;
}

std::shared_ptr<QOVMapTileData> QOVMapCache::createMapTileFromDataInCachePath(const std::filesystem::path& path) {
    return std::dynamic_pointer_cast<QOVMapTileData>(platform::KeyedUnarchiver::unarchiveObjectWithFile(path));
}

std::shared_ptr<QOVMapTileConfig> QOVMapCache::createMapConfigFromDataInCachePath(const std::filesystem::path& path) {
    if (!cacheFileExistsForPath(path)) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<QOVMapTileConfig>(platform::KeyedUnarchiver::unarchiveObjectWithFile(path));
}

bool QOVMapCache::createOrReplaceFile(const std::filesystem::path& path, const platform::Archivable& object) const {
    if (const std::error_code error = platform::PrivateFolder::ensurePath(m_folder)) {
        QOV_LOG_ERROR("could not create map cache directory: {}", error.message());
        return false;
    }
    // Cache files are checked when read and fetched again when bad: they need not wait for the disk.
    const auto bytes = platform::KeyedArchiver::archivedDataWithRootObject(object);
    if (!bytes || !platform::AtomicFile::writeReplaceable(
                      path, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()))) {
        QOV_LOG_ERROR("Could not write the map cache file {}.", path.string());
        return false;
    }
    return true;
}

void QOVMapCache::removeCacheFile(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error) {
        QOV_LOG_ERROR("Could not remove the map cache file {}: {} ({}).", path.string(), error.message(),
                      error.category().name());
    }
}

std::vector<std::string> QOVMapCache::pathsForCurrentTileCacheFiles() const {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(m_folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string name = entry->path().filename().string();
        if (name.ends_with(MapTileFileName::kExtension)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace qov
