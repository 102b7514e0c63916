#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/maps/animation/QOVAnimationManagerDelegate.h"
#include "app/maps/animation/QOVAnimationRenderer.h"
#include "app/maps/cache/MapTileReceiver.h"
#include "app/maps/model/QOVMapLayer.h"
#include "platform/base/RunLoop.h"
#include "platform/map/MapView.h"

namespace qov {

// Runs the radar loop of a map: for the layer's animation series it takes the tiles of the map's visible rect
// from the map cache, asks for the tiles of several frames at once in load order (the first and the last frame,
// then spread over the middle; kFramesAskedAhead frames not rendered yet at a time; the cache reads tile files
// and fetches the rest on worker threads, a bounded number at a time, and decodes them there), has the renderer
// stitch each frame into one image in that same order as the frames complete, shows the first at once and, from
// the third on, plays them on a repeating timer from the last series to the first (0.35 s a frame for more than
// 10 frames, else 0.5 s), holding the first series one extra tick per pass. Frames not rendered yet are skipped.
//
// A loop starts with setAnimating(true) and ends with setAnimating(false) (or a new layer): each start or stop
// begins a new generation, and every queued step of an earlier one does nothing, so frames of an old loop never
// enter a new one; stopping cancels the tile reads and fetches still under way. A start without a layer or
// without frames is refused (the delegate hears animationStopped). A tile counts toward the first frame in load
// order that is not rendered yet, belongs to the tile's series and still awaits its quadkey.
//
// Main thread only: the cache's workers hand their tiles back on the main loop. Made by create(), always owned by
// std::shared_ptr (the map controller owns one for its life). The map view, the renderer and the delegate are
// held weakly; queued steps and the timer hold the manager weakly, so nothing runs on a manager that is gone.
class QOVAnimationManager : public MapTileReceiver, public std::enable_shared_from_this<QOVAnimationManager> {
public:
    static constexpr double kFastFrameInterval = 0.35;
    static constexpr double kFrameInterval = 0.5;
    // Frames rendered before the loop starts playing.
    static constexpr std::uint32_t kFramesBeforePlaying = 3;
    // Frames whose tiles are asked for at once: the one to render next and those after it in load order.
    static constexpr std::size_t kFramesAskedAhead = 4;

    static std::shared_ptr<QOVAnimationManager> create();
    ~QOVAnimationManager() override;
    QOVAnimationManager(const QOVAnimationManager&) = delete;
    QOVAnimationManager& operator=(const QOVAnimationManager&) = delete;

    // The zone frame times are written in (nullopt: the series' default).
    const std::optional<std::string>& timeZone() const { return m_timeZone; }
    void setTimeZone(std::optional<std::string> zone) { m_timeZone = std::move(zone); }
    void setMapView(const std::shared_ptr<platform::map::MapView>& mapView) { m_mapView = mapView; }
    void setRenderer(const std::shared_ptr<QOVAnimationRenderer>& renderer) { m_renderer = renderer; }
    void setDelegate(const std::shared_ptr<QOVAnimationManagerDelegate>& delegate) { m_delegate = delegate; }

    const std::shared_ptr<QOVMapLayer>& mapLayer() const { return m_mapLayer; }
    // Takes the layer's animation series as the frames (index 0 is frame 0) and forgets rendered frames. Ends a
    // loading chain under way.
    void setMapLayer(std::shared_ptr<QOVMapLayer> layer);

    bool isAnimating() const { return m_animating; }
    // Starting remembers the map's visible rect and zoom scale, sizes the renderer to the map, tells the
    // delegate loadingStarted and queues the loading; stopping ends the timer, the tile requests and the
    // queued steps, and tells the delegate animationStopped. No change, nothing happens.
    void setAnimating(bool animating);

    const platform::map::MapRect& mapRect() const { return m_mapRect; }
    float zoomScale() const { return m_zoomScale; }
    std::uint32_t totalFrames() const { return std::uint32_t(m_seriesList.size()); }
    std::uint32_t framesRendered() const { return m_framesRendered; }
    // The frames' load order for a loop of n frames: 0, n-1, then every third of the middle from 1, every
    // second of the rest, then what remains (12 frames: 0, 11, 1, 4, 7, 10, 2, 5, 8, 3, 6, 9). A loop of one frame
    // loads frame 0 twice (it is both the first and the last), shows it once and never plays.
    static std::vector<std::uint32_t> loadOrder(std::uint32_t totalFrames);

    void mapTileReceived(const std::shared_ptr<QOVMapTileData>& tile) override;

private:
    QOVAnimationManager() = default;
    // Posts a step of the current generation on the main loop; a later start, stop or layer drops it.
    void queue(std::function<void(QOVAnimationManager&)> step);
    void startLoadingAnimations();
    // Asks the map cache for the tiles of the first kFramesAskedAhead frames not rendered yet.
    void requestFrames();
    // Renders the first frame in load order when all its tiles are in, and queues the next step.
    void processCurrentFrame();
    // The delegate's news of the rendered count: the first frame is shown, the third starts the timer.
    void frameRendered(std::uint32_t rendered, const QOVAnimationRenderer::FrameImage& image);
    void animate();
    void calculateOffsetUsingMapRect(const platform::map::MapRect& rect);
    static QOVAnimationRenderer::FrameTile frameTile(const QOVMapTileData& tile);
    void endRequests();

    std::optional<std::string> m_timeZone;
    std::weak_ptr<platform::map::MapView> m_mapView;
    std::shared_ptr<QOVMapLayer> m_mapLayer;
    platform::map::MapRect m_mapRect;
    float m_zoomScale = 0;
    platform::gfx::Point m_offset;
    bool m_offsetSet = false;
    QOVMapSeries::List m_seriesList;
    bool m_animating = false;
    std::weak_ptr<QOVAnimationRenderer> m_renderer;
    std::weak_ptr<QOVAnimationManagerDelegate> m_delegate;
    std::vector<QOVAnimationRenderer::FrameImage> m_frameList;  // nullptr until rendered
    std::int64_t m_currentFrame = 0;
    std::uint32_t m_rowsPerFrame = 0;
    std::uint32_t m_framesRendered = 0;
    bool m_pauseFrame = false;
    std::shared_ptr<platform::Timer> m_timer;
    std::vector<std::shared_ptr<QOVMapTileData>> m_tileList;
    // A frame on its way: its tiles by quadkey (empty until they arrive, or for good when they fail).
    struct FrameLoad {
        std::uint32_t frame = 0;
        std::map<std::string, QOVAnimationRenderer::FrameTile> tilesByQuadKey;
        std::set<std::string> pendingQuadKeys;  // still awaited
        bool requested = false;
    };
    std::deque<FrameLoad> m_frameLoads;  // frames not rendered yet, in load order
    std::uint64_t m_generation = 0;
};

}  // namespace qov
