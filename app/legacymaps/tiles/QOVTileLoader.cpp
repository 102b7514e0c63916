#include "app/legacymaps/tiles/QOVTileLoader.h"

#include "app/legacymaps/net/CachedAsyncURLRequest.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/gfx/PngCheck.h"

QOV_LOG_LEVEL(3)

namespace qov {

namespace {
constexpr double kTileCacheInterval = 300.0;
constexpr int kNoPriorityOverride = -1;
}  // namespace

QOVTileLoader::QOVTileLoader(std::shared_ptr<QOVTile> tile, std::weak_ptr<QOVTileLoaderProtocol> callback)
    : m_tile(std::move(tile)), m_callback(std::move(callback)) {}

QOVTileLoader::~QOVTileLoader() {
    if (m_request) {
        m_request->cancel();
    }
}

void QOVTileLoader::download() {
    if (m_request) {
        m_request->cancel();
    }
    const auto self = shared_from_this();
    AsyncURLRequestTargets targets;
    targets.target =
        platform::bindWeak(self, [](QOVTileLoader& loader, const platform::Value&, const platform::Value& result) {
            if (const auto* data = result.ifData()) {
                loader.success(*data);
            } else {
                loader.failure();  // no bytes: nothing to show
            }
        });
    targets.failureTarget = platform::bindWeak(
        self, [](QOVTileLoader& loader, const platform::Value&, const AsyncURLRequestError&) { loader.failure(); });
    m_request =
        CachedAsyncURLRequest::asyncURLRequest(m_tile->url(), kTileCacheInterval, RequestDataType::RawBytes,
                                               platform::Value(m_tile->url()), kNoPriorityOverride, std::move(targets));
}

void QOVTileLoader::success(const platform::Data& data) {
    // Bytes that are no tile picture (or declare one larger than a tile) are a bad answer, never kept.
    if (const auto problem = platform::gfx::PngCheck::problem(data, platform::gfx::PngBounds::tile())) {
        QOV_LOG_WARN("Refused the tile from {}: {}", m_tile->url(), *problem);
        failure();
        return;
    }
    const auto keepAlive = shared_from_this();
    m_tile->updateImageFromData(data);
    m_request.reset();
    if (const auto callback = m_callback.lock()) {
        callback->updateTile(*this);
    }
}

void QOVTileLoader::failure() {
    const auto keepAlive = shared_from_this();
    m_request.reset();
    if (const auto callback = m_callback.lock()) {
        callback->failedToLoadTile(*this);
    }
}

void QOVTileLoader::cancel() {
    if (m_request) {
        m_request->cancel();
        m_request.reset();
    }
    m_callback.reset();
}

}  // namespace qov
