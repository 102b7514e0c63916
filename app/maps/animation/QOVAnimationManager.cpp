#include "app/maps/animation/QOVAnimationManager.h"

#include "app/core/categories/MKMapViewQOV.h"
#include "app/maps/cache/QOVMapCache.h"
#include "platform/base/Log.h"

QOV_LOG_LEVEL(3)

namespace qov {

namespace {

// A frame's time as the delegate hears it, with the map cache's configuration offset.
std::string frameTime(const QOVMapSeries& series, const std::optional<std::string>& timeZone) {
    return series.displayDateWithTimeZone(timeZone, QOVMapCache::sharedInstance()->configurationOffset());
}

}  // namespace

std::shared_ptr<QOVAnimationManager> QOVAnimationManager::create() {
    return std::shared_ptr<QOVAnimationManager>(new QOVAnimationManager());
}

QOVAnimationManager::~QOVAnimationManager() {
    // Tile answers still under way find no receiver and are dropped by the cache.
    if (m_timer) {
        m_timer->invalidate();
    }
}

std::vector<std::uint32_t> QOVAnimationManager::loadOrder(std::uint32_t totalFrames) {
    if (totalFrames == 0) {
        return {};
    }
    std::vector<std::uint32_t> order{0, totalFrames - 1};
    std::vector<std::uint32_t> middle;
    for (std::uint32_t frame = 1; frame + 1 < totalFrames; ++frame) {
        middle.push_back(frame);
    }
    for (const std::size_t stride : {3U, 2U, 1U}) {
        std::vector<std::uint32_t> rest;
        for (std::size_t index = 0; index < middle.size(); ++index) {
            (index % stride == 0 ? order : rest).push_back(middle[index]);
        }
        middle = std::move(rest);
    }
    return order;
}

void QOVAnimationManager::setMapLayer(std::shared_ptr<QOVMapLayer> layer) {
    ++m_generation;
    m_mapLayer = std::move(layer);
    m_seriesList = m_mapLayer ? m_mapLayer->animationSeries(QOVMapCache::sharedInstance()->currentTileConfig().get())
                              : QOVMapSeries::List{};
    m_currentFrame = 0;
    m_frameList.assign(m_seriesList.size(), nullptr);
    m_frameLoads.clear();
}

void QOVAnimationManager::setAnimating(bool animating) {
    if (animating == m_animating) {
        return;
    }
    ++m_generation;
    if (m_timer) {
        m_timer->invalidate();
        m_timer.reset();
    }
    endRequests();
    const auto delegate = m_delegate.lock();
    const auto mapView = m_mapView.lock();
    if (animating && (m_seriesList.empty() || !mapView)) {
        QOV_LOG_WARN("No frames to animate for layer {}", m_mapLayer ? m_mapLayer->layerType() : "(none)");
        if (delegate) {
            delegate->animationStopped(*this);
        }
        return;
    }
    m_animating = animating;
    if (!animating) {
        if (delegate) {
            delegate->animationStopped(*this);
        }
        return;
    }
    m_zoomScale = MKMapViewQOV::zoomScale(*mapView);
    m_mapRect = mapView->visibleMapRect();
    if (const auto renderer = m_renderer.lock()) {
        renderer->setFrame(mapView->frame());
    }
    if (delegate) {
        delegate->loadingStarted();
    }
    queue([](QOVAnimationManager& manager) { manager.startLoadingAnimations(); });
}

void QOVAnimationManager::queue(std::function<void(QOVAnimationManager&)> step) {
    platform::RunLoop::main().post([weakSelf = weak_from_this(), generation = m_generation, step = std::move(step)] {
        const auto self = weakSelf.lock();
        if (self && self->m_generation == generation) {
            step(*self);
        }
    });
}

void QOVAnimationManager::endRequests() {
    const auto cache = QOVMapCache::sharedInstance();
    cache->cancelAllTileRequestsForDelegate(shared_from_this());
    cache->stopListeningForTileDataWithDelegate(shared_from_this());
}

void QOVAnimationManager::startLoadingAnimations() {
    m_tileList = QOVMapCache::tilesInMapRect(m_mapRect, m_zoomScale);
    m_rowsPerFrame = QOVMapCache::rowsInFrameForMapRect(m_mapRect, m_zoomScale);
    // Frames of an earlier loop show another part of the map.
    m_frameList.assign(m_seriesList.size(), nullptr);
    m_currentFrame = 0;
    m_framesRendered = 0;
    m_offsetSet = false;
    m_pauseFrame = false;
    m_frameLoads.clear();
    for (const std::uint32_t frame : loadOrder(totalFrames())) {
        FrameLoad& load = m_frameLoads.emplace_back();
        load.frame = frame;
        for (const auto& tile : m_tileList) {
            load.tilesByQuadKey[tile->quadKey()] = QOVAnimationRenderer::FrameTile{};
            load.pendingQuadKeys.insert(tile->quadKey());
        }
    }
    requestFrames();
    processCurrentFrame();
}

void QOVAnimationManager::requestFrames() {
    // The cache reads files and the tile client fetches on their workers, a bounded number at a time; frames are
    // rendered in load order as they complete. Asking only a few frames ahead bounds the decoded tiles waiting.
    const auto cache = QOVMapCache::sharedInstance();
    std::size_t ahead = 0;
    for (FrameLoad& load : m_frameLoads) {
        if (ahead++ == kFramesAskedAhead) {
            return;
        }
        if (!load.requested) {
            load.requested = true;
            cache->cacheTiles(m_tileList, m_seriesList[load.frame], shared_from_this());
        }
    }
}

void QOVAnimationManager::mapTileReceived(const std::shared_ptr<QOVMapTileData>& tile) {
    if (!m_animating || !tile) {
        return;
    }
    for (std::size_t index = 0; index < m_frameLoads.size(); ++index) {
        FrameLoad& load = m_frameLoads[index];
        const auto& series = *m_seriesList[load.frame];
        if (tile->layerName() != series.layerName() || tile->seriesDate() != series.seriesDate() ||
            load.pendingQuadKeys.erase(tile->quadKey()) == 0) {
            continue;
        }
        load.tilesByQuadKey[tile->quadKey()] = frameTile(*tile);
        calculateOffsetUsingMapRect(tile->mapRect());
        if (index == 0 && load.pendingQuadKeys.empty()) {
            queue([](QOVAnimationManager& manager) { manager.processCurrentFrame(); });
        }
        return;
    }
}

QOVAnimationRenderer::FrameTile QOVAnimationManager::frameTile(const QOVMapTileData& tile) {
    // A fetched tile's picture is handed on; the frame holds it only until it is stitched.
    if (tile.decodedImage()) {
        return tile.decodedImage();
    }
    return tile.tileImageData();
}

void QOVAnimationManager::calculateOffsetUsingMapRect(const platform::map::MapRect& rect) {
    if (!m_offsetSet && rect.contains(m_mapRect.origin)) {
        m_offset = platform::gfx::Point{rect.minX() - m_mapRect.minX(), rect.minY() - m_mapRect.minY()};
        m_offsetSet = true;
    }
}

void QOVAnimationManager::processCurrentFrame() {
    if (m_frameLoads.empty() || !m_frameLoads.front().pendingQuadKeys.empty()) {
        return;
    }
    const FrameLoad load = std::move(m_frameLoads.front());
    m_frameLoads.pop_front();
    requestFrames();
    QOVAnimationRenderer::FrameData frameData;
    for (const auto& tile : m_tileList) {
        const auto entry = load.tilesByQuadKey.find(tile->quadKey());
        if (entry == load.tilesByQuadKey.end()) {
            QOV_LOG_ERROR("ProcessCurrentFrame called but having NIL Data.");
            return;
        }
        frameData.push_back(entry->second);
    }
    const auto renderer = m_renderer.lock();
    if (!renderer) {
        return;
    }
    auto image = renderer->nativeDataFromFrameData(frameData, m_rowsPerFrame, m_zoomScale, m_offset, load.frame);
    m_frameList[load.frame] = image;
    const std::uint32_t rendered = ++m_framesRendered;
    queue([rendered, image](QOVAnimationManager& manager) { manager.frameRendered(rendered, image); });
    if (m_frameLoads.empty()) {
        queue([](QOVAnimationManager& manager) {
            if (const auto delegate = manager.m_delegate.lock()) {
                delegate->allFramesLoaded();
            }
        });
    } else if (m_frameLoads.front().pendingQuadKeys.empty()) {
        queue([](QOVAnimationManager& manager) { manager.processCurrentFrame(); });
    }
}

void QOVAnimationManager::frameRendered(std::uint32_t rendered, const QOVAnimationRenderer::FrameImage& image) {
    const auto delegate = m_delegate.lock();
    if (delegate) {
        delegate->loadedFrame(rendered);
    }
    if (rendered == 1) {
        if (const auto renderer = m_renderer.lock()) {
            renderer->displayNativeFrame(image);
        }
        if (delegate) {
            delegate->animationOverlayDisplayedFrame(*this, totalFrames() - 1,
                                                     frameTime(*m_seriesList[std::size_t(m_currentFrame)], m_timeZone));
        }
    } else if (rendered == kFramesBeforePlaying) {
        const double interval = m_frameList.size() > 10 ? kFastFrameInterval : kFrameInterval;
        m_timer =
            platform::RunLoop::main().scheduleTimer(interval, true, [weakSelf = weak_from_this()](platform::Timer&) {
                if (const auto self = weakSelf.lock()) {
                    self->animate();
                }
            });
        if (delegate) {
            delegate->animationStarted(*this);
        }
    }
}

void QOVAnimationManager::animate() {
    const auto frames = std::int64_t(m_frameList.size());
    // Each frame is looked at at most twice, so a loop without rendered frames shows nothing and ends.
    for (std::int64_t step = 0; step < 2 * frames + 2 && frames > 0; ++step) {
        if (--m_currentFrame < 0) {
            if (!m_pauseFrame) {
                m_pauseFrame = true;
                return;
            }
            m_pauseFrame = false;
            m_currentFrame = frames - 1;
        }
        const auto& image = m_frameList[std::size_t(m_currentFrame)];
        if (image) {
            if (const auto renderer = m_renderer.lock()) {
                renderer->displayNativeFrame(image);
            }
            if (const auto delegate = m_delegate.lock()) {
                delegate->animationOverlayDisplayedFrame(
                    *this, std::uint32_t(frames - 1 - m_currentFrame),
                    frameTime(*m_seriesList[std::size_t(m_currentFrame)], m_timeZone));
            }
            return;
        }
    }
}

}  // namespace qov
