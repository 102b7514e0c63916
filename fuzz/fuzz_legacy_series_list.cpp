// Feeds arbitrary bytes to the older tile map's series-list reading (XML decoding as its requests do it, then the
// parser), walks every layer's time slices as the tile layer does and builds each slice's tile URL, which must
// never climb out of the tile server's folders.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/legacymaps/net/AsyncURLRequestConnectionHandler.h"
#include "app/legacymaps/series/QOVTileSeries.h"
#include "app/legacymaps/series/QOVTileSeriesParser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const platform::Value decoded =
        qov::AsyncURLRequestConnectionHandler::decode(platform::Data(data, data + size), qov::RequestDataType::XML);
    const auto* root = decoded.ifDictionary();
    qov::QOVTileSeriesParser parser;
    if (!root || !parser.parse(*root)) {
        return 0;
    }
    const qov::QOVTileSeries series("http://tiles", "http://tiles");
    volatile std::size_t sink = 0;
    for (const auto& [name, layer] : parser.layers()) {
        const auto slices = static_cast<std::int64_t>(layer->numberOfSeries());
        for (std::int64_t slice = -1; slice <= slices; ++slice) {
            const auto frame = layer->seriesForTimeSlice(slice);
            if ((slice < 0 || slice == slices) != (frame == nullptr)) {
                __builtin_trap();
            }
            if (!frame) {
                continue;
            }
            const std::string url = series.buildImageURL(name, "0231", frame->dateForRequest(), "imgs");
            if (url.find("..") != std::string::npos) {
                __builtin_trap();
            }
            sink = sink + url.size() + layer->hiRadDate().size();
        }
    }
    return 0;
}
