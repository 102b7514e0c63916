#pragma once

#include <ostream>

#include "cli/display/DisplayDevice.h"

namespace qovcli {

// Binds 127.0.0.1:port (0: a free port) for the display before the run starts, so that a port in use is refused
// at once: false after the message on err. serveDisplay() later serves on this socket, whatever port it is given.
// Main thread.
bool reserveDisplayPort(int port, std::ostream& err);

// Serves the running application to a web browser on 127.0.0.1:port (0: a free port), with the page's address
// printed on out, until the process is interrupted (SIGINT or SIGTERM): the main loop runs, a new frame is
// captured whenever the screen, its dump or the device's state changed (looked at 20 times a second on the main
// loop), and the page's input acts on the application; its "legacymap" button calls legacyMap. Answers false
// (after a message on err) when the display cannot listen. Main thread, after the application has launched, on
// the display's clock (or another).
bool serveDisplay(int port, DisplayDevice::Opener legacyMap, std::ostream& out, std::ostream& err);

}  // namespace qovcli
