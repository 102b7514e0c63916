#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/base/Clock.h"
#include "platform/base/Object.h"
#include "platform/base/Value.h"
#include "platform/gfx/Rect.h"

namespace platform::gfx {
class BitmapContext;
}
namespace platform::ui {
class Image;
}

namespace qov {

// One weather tile of the older tile map: its address, its column and row, its place in layer pixels and, once
// downloaded, its PNG bytes. The picture is decoded from the bytes when first drawn and kept until the tile stops
// rendering. A tile is an Object so the layer's tile cache can hold it. Main thread only.
class QOVTile : public platform::Object {
public:
    // Not rendering; the time stamp is read against the clock.
    QOVTile(std::string url, float zoomLevel, const platform::gfx::Rect& rect,
            std::shared_ptr<platform::Clock> clock = platform::Clock::shared());

    const std::string& url() const { return m_url; }
    int x() const { return m_x; }
    void setX(int x) { m_x = x; }
    int y() const { return m_y; }
    void setY(int y) { m_y = y; }
    float zoomLevel() const { return m_zoomLevel; }
    const platform::gfx::Rect& rect() const { return m_rect; }
    bool rendering() const { return m_rendering; }
    // Not rendering also drops the decoded picture (it is decoded again when next drawn).
    void setRendering(bool rendering);
    const std::optional<platform::Data>& data() const { return m_data; }
    const std::shared_ptr<platform::ui::Image>& image() const { return m_image; }
    const std::optional<platform::Date>& timeStamp() const { return m_timeStamp; }
    void setTimeStamp(std::optional<platform::Date> timeStamp) { m_timeStamp = timeStamp; }

    // Stamped more than 900 whole seconds from now, in either direction; a tile without a stamp never expires.
    bool expired() const;
    // It holds downloaded bytes.
    bool isLoaded() const { return m_data.has_value(); }
    void updateImageFromData(platform::Data data);

    // Draws the picture into rect; without bytes (or with bytes that are no picture) nothing is drawn.
    void draw(platform::gfx::BitmapContext& context, const platform::gfx::Rect& rect);
    // Draws it at (0, 0) in its own size.
    void draw(platform::gfx::BitmapContext& context);

private:
    std::string m_url;
    int m_x = 0;
    int m_y = 0;
    float m_zoomLevel;
    platform::gfx::Rect m_rect;
    bool m_rendering = false;
    std::optional<platform::Data> m_data;
    std::shared_ptr<platform::ui::Image> m_image;
    std::optional<platform::Date> m_timeStamp;
    std::shared_ptr<platform::Clock> m_clock;
};

}  // namespace qov
