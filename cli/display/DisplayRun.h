#pragma once

#include <ostream>

#include "cli/display/DisplayDevice.h"
#include "cli/display/DisplayListener.h"

namespace qovcli {

// Serves the running application to a web browser on the listener's socket (bound before the run starts, so
// that a port in use is refused at once: DisplayListener::open), with the page's address
// printed on out, until the process is interrupted (SIGINT or SIGTERM): the main loop runs, a new frame is
// captured whenever the screen, its dump or the device's state changed (looked at 20 times a second on the main
// loop), and the page's input acts on the application; its "legacymap" button calls legacyMap. Main thread,
// after the application has launched, on the display's clock (or another). An address that cannot be written (out
// gone bad) serves nothing: it answers at once.
void serveDisplay(DisplayListener listener, DisplayDevice::Opener legacyMap, std::ostream& out);

}  // namespace qovcli
