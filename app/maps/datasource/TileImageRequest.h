#pragma once

#include <memory>
#include <string>

#include "platform/gfx/Image.h"
#include "platform/net/HttpRequest.h"

namespace qov {

// A tile transfer that also checks its answer where it ran: a 200 answer's body is decoded as a PNG on the
// worker thread, so the main loop never decodes a fetched tile to check it, and the picture travels on with the
// tile to whoever draws it.
//
// Threads: as HttpRequest; picture() is read on the main loop, in the callbacks or after them.
class TileImageRequest : public platform::net::HttpRequest {
public:
    using HttpRequest::HttpRequest;

    // The decoded body of a 200 answer; nullptr for any other answer or a body that is not a whole PNG of at most
    // a tile's size (a bad answer: the tile is not stored).
    const std::shared_ptr<platform::gfx::Image>& picture() const { return m_picture; }

protected:
    void main() override;

private:
    std::shared_ptr<platform::gfx::Image> m_picture;  // written on the worker, read on the main loop after it
};

}  // namespace qov
