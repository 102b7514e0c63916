#pragma once

#include <string_view>

namespace qovcli {

// The device display's page: the screen (its 2x picture shown at the device's size, turned with the device, the
// page laid out around the phone as it stands), the device's buttons, a fixed place for messages and the
// inspector with the screen's text dump. Plain HTML, CSS and script, nothing fetched from elsewhere; it follows
// the frames with /state (each request waits for the next frame) and sends clicks as taps (on the drawn keyboard
// too, which types the key), drags as drags (one that leaves the screen ends where it left), the mouse wheel as
// pinches at the pointer and keys to /type and /key, with the address's token on every request.
std::string_view displayPage();

}  // namespace qovcli
