#include "app/maps/datasource/TileImageRequest.h"

namespace qov {

void TileImageRequest::main() {
    HttpRequest::main();
    if (!isCancelled() && !error() && responseStatusCode() == 200) {
        m_picture = platform::gfx::Image::fromPNGData(responseData(), platform::gfx::PngBounds::tile());
    }
}

}  // namespace qov
