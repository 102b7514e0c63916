#include "app/legacymaps/tiles/QOVTile.h"

#include <cmath>

#include "platform/ui/Image.h"

namespace qov {

namespace {
constexpr double kTileLifetime = 900.0;
}

QOVTile::QOVTile(std::string url, float zoomLevel, const platform::gfx::Rect& rect,
                 std::shared_ptr<platform::Clock> clock)
    : m_url(std::move(url)), m_zoomLevel(zoomLevel), m_rect(rect), m_clock(std::move(clock)) {}

void QOVTile::setRendering(bool rendering) {
    m_rendering = rendering;
    if (!rendering) {
        m_image.reset();
    }
}

bool QOVTile::expired() const {
    if (!m_timeStamp) {
        return false;
    }
    return std::trunc(std::fabs(m_clock->now().timeIntervalSince(*m_timeStamp))) > kTileLifetime;
}

void QOVTile::updateImageFromData(platform::Data data) {
    m_data = std::move(data);
    m_image.reset();
}

void QOVTile::draw(platform::gfx::BitmapContext& context, const platform::gfx::Rect& rect) {
    if (!m_data) {
        return;
    }
    if (!m_image) {
        m_image = platform::ui::Image::withData(*m_data);
    }
    if (m_image) {
        m_image->drawInRect(context, rect);
    }
}

void QOVTile::draw(platform::gfx::BitmapContext& context) {
    draw(context, platform::gfx::Rect(0.0, 0.0, m_rect.width(), m_rect.height()));
}

}  // namespace qov
