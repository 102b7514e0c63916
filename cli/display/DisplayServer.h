#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "cli/display/DisplayAccess.h"
#include "cli/display/DisplayDevice.h"
#include "cli/display/DisplayFrames.h"

namespace httplib {
class Server;
}

namespace qovcli {

// The device display's web server on 127.0.0.1: the page, the frames and the input, for requests DisplayAccess
// admits (others get 403). Its requests are served on its own threads; input runs on the main thread (posted
// to the main loop, which must be running), each request waiting for its outcome.
//   GET  /                     the page
//   GET  /state?after=N        the latest frame's state (JSON, see DisplayFrame) once its number is above N,
//                              waiting up to 20 seconds for one
//   GET  /frame.png            the latest frame's picture
//   POST /tap?x=X&y=Y          a tap at that point of the screen
//   POST /drag?x=X&y=Y&dx=DX&dy=DY
//   POST /pinch?x=X&y=Y&scale=S  two fingers around that point pinch by S (above 1: zoom in)
//   POST /type                 the body (UTF-8) typed into the field being edited
//   POST /key?name=return|backspace
//   POST /button?name=NAME     a device button (DisplayDevice::press)
// Input answers 200 {"ok":true}, or 422 {"error": why nothing was done}; a malformed request 400.
class DisplayServer {
public:
    // Listens on 127.0.0.1:port (0: a free port); nullptr after a message on err when it cannot.
    static std::unique_ptr<DisplayServer> start(int port, std::shared_ptr<DisplayDevice> device,
                                                std::shared_ptr<DisplayFrames> frames, std::ostream& err);
    // Stops listening, wakes the waiting requests and joins the server's threads.
    ~DisplayServer();
    DisplayServer(const DisplayServer&) = delete;
    DisplayServer& operator=(const DisplayServer&) = delete;

    int port() const { return m_port; }
    const DisplayAccess& access() const { return *m_access; }

private:
    DisplayServer(std::unique_ptr<httplib::Server> server, int port, std::shared_ptr<DisplayDevice> device,
                  std::shared_ptr<DisplayFrames> frames);
    void addRoutes();

    std::unique_ptr<httplib::Server> m_server;
    int m_port;
    std::unique_ptr<DisplayAccess> m_access;
    std::shared_ptr<DisplayDevice> m_device;
    std::shared_ptr<DisplayFrames> m_frames;
    std::thread m_thread;
};

}  // namespace qovcli
