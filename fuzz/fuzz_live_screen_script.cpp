// Runs arbitrary script lines on the live application: started once per process as the runner starts it (in a
// scratch home, on a manual clock, against the embedded stand-in service on a loopback port) and brought to its
// root screen; each input's lines are then executed on whatever the application shows by then, with the
// runner's and the application's own commands. "shot" lines are left out (they would write files) and so are
// waits over 2 s (a day of virtual time with the radar loop running takes minutes).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "cli/ApplicationRun.h"
#include "cli/RunnerCommands.h"
#include "cli/RunnerOptions.h"
#include "cli/RunnerService.h"
#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"
#include "platform/ui/ScreenScript.h"
#include "platform/ui/ScriptLine.h"

namespace {

constexpr double kLongestWait = 2.0;

struct LiveApplication {
    std::unique_ptr<qovcli::RunnerService> service;
};

// The scratch home, removed when the process exits.
std::string& scratchHome() {
    static auto* const home = new std::string;
    return *home;
}

LiveApplication* start() {
    char folder[] = "/tmp/qovara-fuzz-XXXXXX";
    if (::mkdtemp(folder) == nullptr) {
        std::abort();
    }
    scratchHome() = folder;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratchHome(), ignored);
    });
    platform::RunLoop::resetMain(std::make_shared<platform::ManualClock>(platform::SystemClock().now()));
    platform::AppDirectories::shared()->setHome(folder);
    qovcli::RunnerOptions options;
    options.virtualClock = true;
    options.shot = std::string(folder) + "/root-screen.png";
    auto* live = new LiveApplication;
    std::ostringstream ignored;
    live->service = qovcli::RunnerService::start("", ignored);
    if (!live->service) {
        std::abort();
    }
    qovcli::runApplication(options, live->service->host(), std::nullopt, ignored, ignored);
    qovcli::registerRunnerCommands();
    // The application logs to the console; thousands of inputs a minute would drown the fuzzer's own lines.
    platform::Log::removeConsoleLogger();
    return live;
}

bool runnable(const std::string& line) {
    const auto parsed = platform::ui::ScriptLine::parse(line);
    if (parsed.command == "shot") {
        return false;
    }
    if (parsed.command == "wait") {
        const auto seconds = platform::ui::scriptNumber(parsed.argument);
        return seconds && *seconds <= kLongestWait;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static LiveApplication* const live = start();
    (void)live;
    std::ostringstream output;
    platform::ui::ScreenScript script(output);
    std::istringstream lines(std::string(reinterpret_cast<const char*>(data), size));
    std::string line;
    while (std::getline(lines, line) && !script.hasQuit()) {
        if (runnable(line)) {
            script.execute(line);
        }
    }
    return 0;
}
