#pragma once

#include <memory>
#include <ostream>
#include <thread>

#include "cli/display/DisplayAccess.h"
#include "cli/display/DisplayConnections.h"
#include "cli/display/DisplayDevice.h"
#include "cli/display/DisplayFrames.h"
#include "cli/display/DisplayListener.h"

namespace qovcli {

// The device display's web server on 127.0.0.1, serving DisplayRoutes (one request a connection). All of its
// connections are served on one thread of its own that never blocks on a client: a request's head is read and
// checked (DisplayAccess) before its body is read or any work is done, every connection has a deadline, a page
// waiting for a newer frame holds no thread and is dropped as soon as it hangs up, and input runs on the main
// thread (posted to the main loop, which must be running) while the server goes on serving others.
class DisplayServer {
public:
    // Serves the connections that come to the listener, from those already waiting in its queue on.
    static std::unique_ptr<DisplayServer> start(DisplayListener listener, std::shared_ptr<DisplayDevice> device,
                                                std::shared_ptr<DisplayFrames> frames, DisplayLimits limits = {});
    // Listens on 127.0.0.1:port first (DisplayListener::open); nullptr after its message on err when it cannot.
    static std::unique_ptr<DisplayServer> start(int port, std::shared_ptr<DisplayDevice> device,
                                                std::shared_ptr<DisplayFrames> frames, std::ostream& err,
                                                DisplayLimits limits = {});
    // Stops serving, closes every connection and joins the server's thread. Main thread.
    ~DisplayServer();
    DisplayServer(const DisplayServer&) = delete;
    DisplayServer& operator=(const DisplayServer&) = delete;

    int port() const { return m_port; }
    const DisplayAccess& access() const { return *m_access; }

private:
    DisplayServer(int listener, int port, std::shared_ptr<DisplayDevice> device, std::shared_ptr<DisplayFrames> frames,
                  DisplayLimits limits);

    int m_port;
    std::shared_ptr<const DisplayAccess> m_access;
    std::shared_ptr<DisplayFrames> m_frames;
    std::unique_ptr<DisplayConnections> m_connections;
    std::thread m_thread;
};

}  // namespace qovcli
