// qovara: the device runner. Boots the application on the headless platform against the stand-in weather
// service (embedded, or a running one given with --service), brings it to its root screen and, when asked, runs
// a script of screen commands; --summary prints a text summary of the weather instead. Standard output that cannot
// be written, closed standard output included, fails the run (status 1, one line on standard error).
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <utility>

#include <malloc.h>

#include "cli/ApplicationRun.h"
#include "cli/RunnerCommands.h"
#include "cli/RunnerOptions.h"
#include "cli/RunnerService.h"
#include "cli/RunnerSession.h"
#include "cli/StandardOutput.h"
#include "cli/WeatherSummary.h"
#include "cli/display/DisplayListener.h"
#include "platform/base/PrintableText.h"
#include "platform/base/StandardDescriptors.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/UserDefaults.h"

namespace {

// The run itself: its texts go to out, which main checks once the run has ended.
int run(int argc, char** argv, std::ostream& out) {
    const auto parsed = qovcli::RunnerOptions::parse(argc, argv, out, std::cerr);
    if (!parsed.options) {
        return parsed.exitStatus;
    }
    const qovcli::RunnerOptions& options = *parsed.options;
    // The display's port is taken before anything runs: one in use is refused now, not after the whole run.
    std::optional<qovcli::DisplayListener> display;
    if (options.displayPort) {
        display = qovcli::DisplayListener::open(*options.displayPort, std::cerr);
        if (!display) {
            return 2;
        }
    }
    const auto session = qovcli::RunnerSession::begin(options, std::cerr);
    if (!session) {
        return 2;
    }
    out << "Qovara " << QOV_VERSION << ", app home "
        << platform::printableText(platform::AppDirectories::shared()->home().string()) << "\n\n";
    // Output that cannot be written ends the run before it starts: nobody would read what it prints.
    if (!out.flush()) {
        return EXIT_FAILURE;
    }

    const auto service = qovcli::RunnerService::start(options.serviceHost, std::cerr);
    if (!service) {
        return EXIT_FAILURE;
    }
    int status = EXIT_SUCCESS;
    if (!options.summary) {
        status = qovcli::runApplication(options, service->host(), std::move(display), out, std::cerr);
    } else {
        status = qovcli::runWeatherSummary(service->host(), options.gps, out, std::cerr);
        // A summary that could not be written ends the run before the script.
        if (options.script && (!out.flush() || !qovcli::runScreenScript(*options.script, out, std::cerr))) {
            status = EXIT_FAILURE;
        }
    }
    // Process instances are never destroyed: the defaults changed on the last turns are written now.
    platform::UserDefaults::standard()->synchronize();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    // Before anything is opened: a closed standard descriptor would otherwise be the home's lock file or a log.
    if (!platform::openClosedStandardDescriptors()) {
        std::cerr << "qovara: cannot open the null device in place of a closed standard descriptor: "
                  << std::strerror(errno) << "\n";
        return EXIT_FAILURE;
    }
    // Pictures of a megabyte and more (radar frames, screens at twice their size) are short-lived: above a fixed
    // threshold each is mapped on its own and returned to the system when freed, instead of the allocator raising
    // the threshold after the first one and keeping freed pictures in its heaps. Smaller blocks (a screen's
    // picture, decoded tiles, rows, texts) come from one heap for every thread, whose pages are used again:
    // mapping those too cost a start half again as many page faults and a sixth more processor time, and a heap
    // per thread kept each worker's freed tiles to itself.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    mallopt(M_ARENA_MAX, 1);
    // A reader of standard output that went away is a failed write like any other (status 1 and a line on
    // standard error), not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    qovcli::StandardOutput out;
    const int status = run(argc, argv, out);
    return out.flushOrReport(std::cerr) ? status : EXIT_FAILURE;
}
