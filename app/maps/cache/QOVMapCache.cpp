#include "app/maps/cache/QOVMapCache.h"

#include <algorithm>

#include "app/core/services/ApplicationCachesDirectory.h"
#include "app/maps/cache/MapTileFileName.h"
#include "app/maps/model/MapModelClasses.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/ProcessInstance.h"
#include "platform/net/Reachability.h"

QOV_LOG_LEVEL(3)

namespace qov {

namespace {

platform::ProcessSlot<QOVMapCache>& sharedInstanceSlot() {
    static platform::ProcessSlot<QOVMapCache> slot;
    return slot;
}

}  // namespace

std::shared_ptr<QOVMapCache> QOVMapCache::sharedInstance() {
    return sharedInstanceSlot().instance(
        [] { return create(ApplicationCachesDirectory::path(), QOVTileServerDatasource::create()); });
}

void QOVMapCache::setSharedInstance(std::shared_ptr<QOVMapCache> instance) {
    sharedInstanceSlot().exchange(std::move(instance));
}

std::shared_ptr<QOVMapCache> QOVMapCache::create(std::filesystem::path cachesDirectory,
                                                 std::shared_ptr<QOVTileServerDatasource> datasource) {
    auto cache = std::make_shared<QOVMapCache>(std::move(cachesDirectory), std::move(datasource));
    cache->start();
    return cache;
}

QOVMapCache::QOVMapCache(std::filesystem::path cachesDirectory, std::shared_ptr<QOVTileServerDatasource> datasource)
    : m_folder(std::move(cachesDirectory) / kFolderName),
      m_datasource(datasource ? std::move(datasource) : QOVTileServerDatasource::create()),
      m_fileQueue(std::make_unique<platform::OperationQueue>(kFileReadsAtOnce)),
      m_fileWriteQueue(std::make_unique<platform::OperationQueue>(kFileWritesAtOnce)) {
    registerMapModelClasses();
}

QOVMapCache::~QOVMapCache() {
    platform::NotificationCenter::defaultCenter().removeObserver(this);
    m_fileQueue->cancelAllOperations();
    m_fileWriteQueue->cancelAllOperations();
    if (m_timer) {
        m_timer->invalidate();
    }
}

void QOVMapCache::start() {
    m_timer = platform::RunLoop::main().scheduleTimer(
        kValidationInterval, true, platform::bindWeak(shared_from_this(), [](QOVMapCache& cache, platform::Timer&) {
            cache.validateTileCache();
        }));
    platform::NotificationCenter::defaultCenter().addObserver(
        this, platform::net::Reachability::kChangedNotification,
        platform::bindWeak(shared_from_this(), [](QOVMapCache& cache, const platform::Notification&) {
            if (platform::net::Reachability::shared()->isReachable()) {
                cache.networkReturned();
            }
        }));
    validateTileCache();
}

void QOVMapCache::startListeningForMapConfigWithDelegate(const std::shared_ptr<MapConfigurationListener>& listener) {
    std::shared_ptr<QOVMapTileConfig> configuration;
    {
        std::lock_guard lock(m_mutex);
        if (listener && !m_mapConfigListeners.add(listener)) {
            return;
        }
        configuration = configurationForListening();
    }
    // A stale configuration still serves (its tiles are on disk) until a fresh one replaces it.
    if (configuration && listener) {
        listener->mapConfigurationChanged(configuration);
    }
    if (!configuration || configuration->isStale()) {
        requestSeriesList();
    }
}

std::shared_ptr<QOVMapTileConfig> QOVMapCache::configurationForListening() {
    if (!m_currentTileConfig) {
        m_currentTileConfig = cachedConfiguration();
    }
    return m_currentTileConfig;
}

void QOVMapCache::stopListeningForMapConfigWithDelegate(const std::shared_ptr<MapConfigurationListener>& listener) {
    std::lock_guard lock(m_mutex);
    m_mapConfigListeners.remove(listener.get());
}

void QOVMapCache::storeConfiguration(const std::shared_ptr<QOVMapTileConfig>& configuration) {
    if (!configuration) {
        QOV_LOG_ERROR("No map tile configuration to store; the current one is kept");
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_currentTileConfig = configuration;
        createOrReplaceFile(cachesPathURLWithFileName(kConfigurationFileName), *configuration);
    }
    m_datasource->retryFailedTilesNow();
    platform::dispatchMain(platform::bindWeak(shared_from_this(), [configuration](QOVMapCache& cache) {
        std::vector<std::shared_ptr<MapConfigurationListener>> listeners;
        {
            std::lock_guard lock(cache.m_mutex);
            listeners = cache.m_mapConfigListeners.snapshot();
        }
        for (const auto& listener : listeners) {
            listener->mapConfigurationChanged(configuration);
        }
    }));
}

std::shared_ptr<QOVMapTileConfig> QOVMapCache::currentTileConfig() const {
    std::lock_guard lock(m_mutex);
    return m_currentTileConfig;
}

std::shared_ptr<QOVMapTileConfig> QOVMapCache::cachedConfiguration() const {
    return createMapConfigFromDataInCachePath(cachesPathURLWithFileName(kConfigurationFileName));
}

void QOVMapCache::removeAllConfigurations() {
    m_datasource->cancelAllConfigurationRequests();
    std::lock_guard lock(m_mutex);
    removeCacheFile(cachesPathURLWithFileName(kConfigurationFileName));
}

double QOVMapCache::configurationOffset() const {
    const auto configuration = currentTileConfig();
    return configuration ? configuration->offset() : 0.0;
}

std::optional<std::string> QOVMapCache::configurationLocalZone() const {
    const auto configuration = currentTileConfig();
    return configuration ? std::optional<std::string>(configuration->localZone()) : std::nullopt;
}

void QOVMapCache::requestSeriesList() {
    m_datasource->requestSeriesListFromServer(platform::bindWeak(
        shared_from_this(), [](QOVMapCache& cache, const std::shared_ptr<QOVMapTileConfig>& configuration) {
            cache.storeConfiguration(configuration);
        }));
}

void QOVMapCache::networkReturned() {
    m_datasource->retryFailedTilesNow();
    std::shared_ptr<QOVMapTileConfig> configuration;
    {
        std::lock_guard lock(m_mutex);
        configuration = configurationForListening();
    }
    if (configuration && !configuration->isStale()) {
        return;
    }
    // A list asked for while the network was away failed, or is failing with its answer not yet in: ask anew.
    m_datasource->cancelAllConfigurationRequests();
    requestSeriesList();
}

void QOVMapCache::validateTileCache() {
    const auto configuration = cachedConfiguration();
    if (!configuration || configuration->isStale()) {
        requestSeriesList();
        return;
    }
    pruneTileFiles(*configuration);
}

void QOVMapCache::pruneTileFiles(const QOVMapTileConfig& configuration) {
    std::lock_guard lock(m_mutex);
    for (const std::string& fileName : pathsForCurrentTileCacheFiles()) {
        const auto name = MapTileFileName::parse(fileName);
        if (!name) {
            continue;
        }
        // A frame's file lives as long as its run is listed; a series' file as long as the series is.
        const std::string& listedDate = name->masterSeriesDate ? *name->masterSeriesDate : name->seriesDate;
        const auto layer = configuration.tileSeriesForLayer(name->layer);
        const bool listed =
            layer && std::any_of(layer->availableSeries().begin(), layer->availableSeries().end(),
                                 [&](const auto& series) { return series->seriesDate() == listedDate; });
        if (!listed) {
            removeCacheFile(cachesPathURLWithFileName(fileName));
        }
    }
}

}  // namespace qov
