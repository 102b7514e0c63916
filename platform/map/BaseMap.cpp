#include "platform/map/BaseMap.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/base/ProcessInstance.h"
#include "platform/gfx/BitmapContext.h"
#include "platform/map/MapProjection.h"
#include "platform/map/MapViewGrid.h"

namespace platform::map {
namespace {

struct Palette {
    gfx::Color sea;
    std::array<gfx::Color, 5> levels;  // sea, land, lake, island in a lake, pond
    std::optional<gfx::Color> coast;
    std::optional<gfx::Color> graticule;
};

Palette paletteFor(MapType type) {
    const gfx::Color standardSea = gfx::Color::rgba(0.65, 0.80, 0.94);
    const gfx::Color standardLand = gfx::Color::rgba(0.94, 0.92, 0.85);
    const gfx::Color deepSea = gfx::Color::rgba(0.04, 0.11, 0.24);
    const gfx::Color lakeWater = gfx::Color::rgba(0.06, 0.16, 0.30);
    const gfx::Color terrain = gfx::Color::rgba(0.27, 0.36, 0.20);
    switch (type) {
        case MapType::Satellite:
            return Palette{deepSea, {deepSea, terrain, lakeWater, terrain, lakeWater}, std::nullopt, std::nullopt};
        case MapType::Hybrid:
            return Palette{deepSea,
                           {deepSea, terrain, lakeWater, terrain, lakeWater},
                           gfx::Color::rgba(1.0, 0.93, 0.55, 0.9),
                           gfx::Color::white(1.0, 0.35)};
        case MapType::Standard: break;
    }
    return Palette{standardSea,
                   {standardSea, standardLand, standardSea, standardLand, standardSea},
                   gfx::Color::rgba(0.55, 0.62, 0.70),
                   std::nullopt};
}

// Sutherland-Hodgman: the part of a polygon inside a rect, so that far-away corners never reach the
// rasteriser with coordinates it cannot hold.
std::vector<gfx::Point> clipToRect(std::vector<gfx::Point> polygon, const gfx::Rect& rect) {
    const auto clipEdge = [&](auto inside, auto cross) {
        std::vector<gfx::Point> result;
        for (std::size_t index = 0; index < polygon.size(); ++index) {
            const gfx::Point& current = polygon[index];
            const gfx::Point& previous = polygon[(index + polygon.size() - 1) % polygon.size()];
            if (inside(current)) {
                if (!inside(previous)) {
                    result.push_back(cross(previous, current));
                }
                result.push_back(current);
            } else if (inside(previous)) {
                result.push_back(cross(previous, current));
            }
        }
        polygon = std::move(result);
    };
    const auto atX = [](double x) {
        return [x](gfx::Point a, gfx::Point b) { return gfx::Point{x, a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x)}; };
    };
    const auto atY = [](double y) {
        return [y](gfx::Point a, gfx::Point b) { return gfx::Point{a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y), y}; };
    };
    clipEdge([&](gfx::Point p) { return p.x >= rect.x(); }, atX(rect.x()));
    clipEdge([&](gfx::Point p) { return p.x <= rect.maxX(); }, atX(rect.maxX()));
    clipEdge([&](gfx::Point p) { return p.y >= rect.y(); }, atY(rect.y()));
    clipEdge([&](gfx::Point p) { return p.y <= rect.maxY(); }, atY(rect.maxY()));
    return polygon;
}

// Lines are cut where they leave this far beyond the view: shore points lie a few kilometres apart, so at any
// zoom a cut edge is far off screen.
constexpr double kLineGuard = 1.0e6;

// Appends the runs of the line whose points lie inside the rect.
void splitOutside(const std::vector<gfx::Point>& line, const gfx::Rect& rect,
                  std::vector<std::vector<gfx::Point>>& runs) {
    std::vector<gfx::Point> run;
    for (const gfx::Point& point : line) {
        if (point.x >= rect.x() && point.x <= rect.maxX() && point.y >= rect.y() && point.y <= rect.maxY()) {
            run.push_back(point);
        } else if (!run.empty()) {
            runs.push_back(std::move(run));
            run.clear();
        }
    }
    if (run.size() >= 2) {
        runs.push_back(std::move(run));
    }
}

// Maps map points into the view for one copy of the world (offset by whole world widths).
struct ViewTransform {
    MapRect visible;
    double scale;
    gfx::Rect viewRect;
    double offset;

    gfx::Point operator()(MapPoint point) const {
        return gfx::Point{viewRect.x() + (point.x + offset - visible.minX()) * scale,
                          viewRect.y() + (point.y - visible.minY()) * scale};
    }
};

void drawGraticule(gfx::BitmapContext& context, const ViewTransform& transform, const gfx::Color& color) {
    std::vector<std::vector<gfx::Point>> lines;
    for (int degrees = -180; degrees <= 180; degrees += 10) {
        const double x = transform(MapPoint{(degrees + 180.0) / 360.0 * kMapWorldWidth, 0.0}).x;
        lines.push_back({gfx::Point{x, transform.viewRect.y()}, gfx::Point{x, transform.viewRect.maxY()}});
    }
    for (int degrees = -80; degrees <= 80; degrees += 10) {
        const double y = transform(mapPointForCoordinate(geo::Coordinate{static_cast<double>(degrees), 0.0})).y;
        lines.push_back({gfx::Point{transform.viewRect.x(), y}, gfx::Point{transform.viewRect.maxX(), y}});
    }
    context.strokePolylines(lines, color, 0.5);
}

}  // namespace

BaseMap::BaseMap(std::string lowResolutionPath, std::string detailedPath, std::size_t cachedPoints)
    : m_cachedPoints(cachedPoints) {
    m_lowResolution.path = std::move(lowResolutionPath);
    m_detailed.path = std::move(detailedPath);
}

BaseMap& BaseMap::shared() {
    static NeverDestroyed<BaseMap> map(QOV_COASTLINE_FILE, QOV_DETAILED_COASTLINE_FILE);
    return *map;
}

BaseMap::Source& BaseMap::sourceFor(double zoomScale) const {
    return MapViewGrid::levelForZoomScale(zoomScale) >= kDetailedFromLevel ? m_detailed : m_lowResolution;
}

bool BaseMap::hasCoastlines(double zoomScale) const {
    Source& source = sourceFor(zoomScale);
    std::lock_guard lock(source.mutex);
    return source.layoutLocked() != nullptr;
}

const CoastlineLayout* BaseMap::Source::layoutLocked() {
    if (!layoutRead) {
        layout = CoastlineLayout::read(path);
        layoutRead = true;
    }
    return layout ? &*layout : nullptr;
}

std::size_t BaseMap::cachedPoints() const {
    std::size_t points = 0;
    for (Source* source : {&m_lowResolution, &m_detailed}) {
        std::lock_guard lock(source->mutex);
        points += source->keptPoints;
    }
    return points;
}

std::vector<BaseMap::Bin> BaseMap::binsFor(Source& source, const std::vector<MapRect>& rects) const {
    std::lock_guard lock(source.mutex);
    const CoastlineLayout* layout = source.layoutLocked();
    if (!layout) {
        return {};
    }
    std::vector<std::size_t> wanted;
    for (const MapRect& rect : rects) {
        for (const std::size_t bin : layout->binsIntersecting(rect)) {
            if (std::find(wanted.begin(), wanted.end(), bin) == wanted.end()) {
                wanted.push_back(bin);
            }
        }
    }
    std::vector<Bin> bins;
    std::vector<std::size_t> missing;
    for (const std::size_t bin : wanted) {
        const auto kept = std::find_if(source.kept.begin(), source.kept.end(),
                                       [bin](const auto& entry) { return entry.first == bin; });
        if (kept == source.kept.end()) {
            missing.push_back(bin);
        } else {
            bins.push_back(kept->second);
            source.kept.splice(source.kept.begin(), source.kept, kept);
        }
    }
    if (!missing.empty()) {
        auto read = CoastlineData::readBins(source.path, missing);
        if (!read) {
            return bins;
        }
        for (auto& [number, data] : *read) {
            auto bin = std::make_shared<const CoastlineData>(std::move(data));
            source.keptPoints += bin->pointCount();
            source.kept.emplace_front(number, bin);
            bins.push_back(std::move(bin));
        }
    }
    while (source.keptPoints > m_cachedPoints && !source.kept.empty()) {
        source.keptPoints -= source.kept.back().second->pointCount();
        source.kept.pop_back();
    }
    return bins;
}

void BaseMap::draw(gfx::BitmapContext& context, const MapRect& visible, double zoomScale, const gfx::Rect& viewRect,
                   MapType type) const {
    const Palette palette = paletteFor(type);
    context.fillRect(viewRect, palette.sea);
    if (!(zoomScale > 0.0) || !std::isfinite(zoomScale)) {
        return;
    }
    std::vector<std::pair<double, MapRect>> copies;
    for (const double offset : {-kMapWorldWidth, 0.0, kMapWorldWidth}) {
        const MapRect copy = visible.offsetBy(-offset, 0.0);
        if (copy.intersects(kMapRectWorld)) {
            copies.emplace_back(offset, copy);
        }
    }
    std::vector<MapRect> rects;
    for (const auto& [offset, copy] : copies) {
        rects.push_back(copy);
    }
    const std::vector<Bin> bins = binsFor(sourceFor(zoomScale), rects);
    if (bins.empty()) {
        return;
    }
    const gfx::Rect guard = viewRect.insetBy(-8.0, -8.0);
    const gfx::Rect lineGuard = viewRect.insetBy(-kLineGuard, -kLineGuard);
    for (const auto& [offset, copy] : copies) {
        const ViewTransform transform{visible, zoomScale, viewRect, offset};
        const auto project = [&](const CoastlineData::Shape& shape) {
            std::vector<gfx::Point> points;
            points.reserve(shape.points.size());
            for (const MapPoint& point : shape.points) {
                points.push_back(transform(point));
            }
            return points;
        };
        // Level by level over every bin, so that lakes cover land and islands cover lakes.
        for (std::size_t level = 1; level < palette.levels.size(); ++level) {
            std::vector<std::vector<gfx::Point>> batch;
            for (const Bin& bin : bins) {
                for (const auto& area : bin->areas()) {
                    if (static_cast<std::size_t>(area.level) == level && area.bounds.intersects(copy)) {
                        batch.push_back(clipToRect(project(area), guard));
                    }
                }
            }
            context.fillPolygons(batch, palette.levels[level]);
        }
        if (palette.coast) {
            std::vector<std::vector<gfx::Point>> lines;
            for (const Bin& bin : bins) {
                for (const auto& shore : bin->shores()) {
                    if (shore.bounds.intersects(copy)) {
                        splitOutside(project(shore), lineGuard, lines);
                    }
                }
            }
            context.strokePolylines(lines, *palette.coast, type == MapType::Hybrid ? 1.0 : 0.6);
        }
        if (palette.graticule) {
            drawGraticule(context, transform, *palette.graticule);
        }
    }
}

}  // namespace platform::map
