#include "cli/RunnerSession.h"

#include "cli/display/DisplayClock.h"

#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/base/PrintableText.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/UserDefaults.h"

namespace qovcli {

std::unique_ptr<RunnerSession> RunnerSession::begin(const RunnerOptions& options, std::ostream& err) {
    platform::Log::addConsoleLogger();
    std::shared_ptr<platform::Clock> clock = std::make_shared<platform::SystemClock>();
    if (options.displayPort) {
        clock = std::make_shared<DisplayClock>();
    } else if (options.virtualClock) {
        clock = std::make_shared<platform::ManualClock>(clock->now());
    }
    platform::RunLoop::resetMain(clock);
    const auto directories = platform::AppDirectories::shared();
    std::string problem;
    auto lock = options.home.empty() ? HomeLock::acquire(directories->home(), HomeLock::Choice::Default, problem)
                                     : HomeLock::acquire(options.home, HomeLock::Choice::Named, problem);
    if (lock) {
        // The folder that was checked and locked, whatever link led to it.
        directories->setHome(lock->home());
        problem = platform::UserDefaults::standard()->unusableReason();
    }
    if (!problem.empty()) {
        err << "qovara: " << platform::printableText(problem) << "\n";
        return nullptr;
    }
    return std::unique_ptr<RunnerSession>(new RunnerSession(std::move(lock)));
}

RunnerSession::~RunnerSession() { platform::Log::flush(); }

}  // namespace qovcli
