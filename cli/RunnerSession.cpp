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
    if (!options.home.empty()) {
        platform::AppDirectories::shared()->setHome(std::filesystem::absolute(options.home));
    }
    std::string problem;
    auto lock = HomeLock::acquire(platform::AppDirectories::shared()->home(),
                                  options.home.empty() ? HomeLock::Choice::Default : HomeLock::Choice::Named, problem);
    if (lock) {
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
