#include "cli/display/DisplayServer.h"

#include <utility>

namespace qovcli {

std::unique_ptr<DisplayServer> DisplayServer::start(int port, std::shared_ptr<DisplayDevice> device,
                                                    std::shared_ptr<DisplayFrames> frames, std::ostream& err,
                                                    DisplayLimits limits) {
    auto listener = DisplayListener::open(port, err);
    if (!listener) {
        return nullptr;
    }
    return start(std::move(*listener), std::move(device), std::move(frames), limits);
}

std::unique_ptr<DisplayServer> DisplayServer::start(DisplayListener listener, std::shared_ptr<DisplayDevice> device,
                                                    std::shared_ptr<DisplayFrames> frames, DisplayLimits limits) {
    const int port = listener.port();
    return std::unique_ptr<DisplayServer>(
        new DisplayServer(listener.take(), port, std::move(device), std::move(frames), limits));
}

DisplayServer::DisplayServer(int listener, int port, std::shared_ptr<DisplayDevice> device,
                             std::shared_ptr<DisplayFrames> frames, DisplayLimits limits)
    : m_port(port),
      m_access(std::make_shared<DisplayAccess>(port)),
      m_frames(std::move(frames)),
      m_connections(std::make_unique<DisplayConnections>(listener, DisplayRoutes(m_access, m_frames), std::move(device),
                                                         limits)) {
    m_frames->setListener(m_connections->waker());
    m_thread = std::thread([connections = m_connections.get()] { connections->run(); });
}

DisplayServer::~DisplayServer() {
    m_frames->setListener(nullptr);
    m_connections->stop();
    m_thread.join();
}

}  // namespace qovcli
