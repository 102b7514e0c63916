#include "cli/display/DisplayRun.h"

#include <atomic>
#include <csignal>
#include <optional>
#include <utility>

#include "cli/display/DisplayServer.h"
#include "platform/base/RunLoop.h"

namespace qovcli {

namespace {

constexpr double kCaptureInterval = 0.05;

std::atomic<bool> interrupted{false};
// The socket reserveDisplayPort() bound, until serveDisplay() takes it.
std::optional<DisplayListener> reserved;

extern "C" void noteInterrupt(int) { interrupted.store(true); }

}  // namespace

bool reserveDisplayPort(int port, std::ostream& err) {
    reserved = DisplayListener::open(port, err);
    return reserved.has_value();
}

bool serveDisplay(int port, DisplayDevice::Opener legacyMap, std::ostream& out, std::ostream& err) {
    auto& loop = platform::RunLoop::main();
    auto device =
        std::make_shared<DisplayDevice>(std::dynamic_pointer_cast<DisplayClock>(loop.clock()), std::move(legacyMap));
    auto frames = std::make_shared<DisplayFrames>();
    frames->capture(device->state());
    auto listener = reserved ? std::exchange(reserved, std::nullopt) : DisplayListener::open(port, err);
    if (!listener) {
        return false;
    }
    const auto server = DisplayServer::start(std::move(*listener), device, frames);
    out << "Device display: open " << server->access().address() << "\n"
        << "(Ctrl-C stops the runner)\n"
        << std::flush;

    interrupted.store(false);
    std::signal(SIGINT, noteInterrupt);
    std::signal(SIGTERM, noteInterrupt);
    const auto capture = loop.scheduleTimer(kCaptureInterval, true, [&](platform::Timer&) {
        if (interrupted.load()) {
            loop.stop();
            return;
        }
        frames->capture(device->state());
    });
    loop.run();
    capture->invalidate();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    out << "Device display stopped\n";
    return true;
}

}  // namespace qovcli
