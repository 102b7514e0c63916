#include "cli/display/DisplayRun.h"

#include <atomic>
#include <csignal>
#include <utility>

#include "cli/display/DisplayServer.h"
#include "platform/base/RunLoop.h"

namespace qovcli {

namespace {

constexpr double kCaptureInterval = 0.05;

std::atomic<bool> interrupted{false};

extern "C" void noteInterrupt(int) { interrupted.store(true); }

}  // namespace

void serveDisplay(DisplayListener listener, DisplayDevice::Opener legacyMap, std::ostream& out) {
    auto& loop = platform::RunLoop::main();
    auto device =
        std::make_shared<DisplayDevice>(std::dynamic_pointer_cast<DisplayClock>(loop.clock()), std::move(legacyMap));
    auto frames = std::make_shared<DisplayFrames>();
    frames->capture(device->state());
    const auto server = DisplayServer::start(std::move(listener), device, frames);
    out << "Device display: open " << server->access().address() << "\n"
        << "(Ctrl-C stops the runner)\n"
        << std::flush;
    if (!out) {
        return;  // an address nobody can read opens no page
    }

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
}

}  // namespace qovcli
