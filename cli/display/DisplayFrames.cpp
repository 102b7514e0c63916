#include "cli/display/DisplayFrames.h"

#include <nlohmann/json.hpp>

#include "platform/gfx/Image.h"
#include "platform/ui/ScreenDump.h"
#include "platform/ui/ScreenRenderer.h"

namespace qovcli {

namespace {

// Pixels to a point in the display's pictures, so they stay sharp on high-density monitors.
constexpr double kPictureScale = 2.0;

nlohmann::json deviceJSON(const DisplayDeviceState& device) {
    return nlohmann::json{{"background", device.background},
                          {"network", device.network},
                          {"orientation", device.landscape ? "landscape" : "portrait"},
                          {"clockAhead", device.clockAhead},
                          {"screen", {{"width", device.screenWidth}, {"height", device.screenHeight}}}};
}

}  // namespace

bool DisplayFrames::capture(const DisplayDeviceState& device) {
    auto picture = platform::ui::ScreenRenderer::renderScreen(kPictureScale);
    auto dump = platform::ui::ScreenDump::dumpScreen();
    if (m_picture && m_picture->samePixels(*picture) && dump == m_dump && device == m_device) {
        return false;
    }
    const auto png = picture->pngData();
    if (!png) {
        return false;
    }
    auto frame = std::make_shared<DisplayFrame>();
    std::function<void()> listener;
    frame->png.assign(png->begin(), png->end());
    m_picture = std::move(picture);
    m_dump = std::move(dump);
    m_device = device;
    {
        std::lock_guard lock(m_mutex);
        frame->number = m_latest ? m_latest->number + 1 : 1;
        frame->state =
            nlohmann::json{{"frame", frame->number}, {"dump", m_dump}, {"device", deviceJSON(m_device)}}.dump(
                -1, ' ', false, nlohmann::json::error_handler_t::replace);
        m_latest = std::move(frame);
        listener = m_listener;
    }
    if (listener) {
        listener();
    }
    return true;
}

std::shared_ptr<const DisplayFrame> DisplayFrames::latest() const {
    std::lock_guard lock(m_mutex);
    return m_latest;
}

void DisplayFrames::setListener(std::function<void()> listener) {
    std::lock_guard lock(m_mutex);
    m_listener = std::move(listener);
}

}  // namespace qovcli
