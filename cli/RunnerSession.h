#pragma once

#include <memory>
#include <ostream>

#include "cli/HomeLock.h"
#include "cli/RunnerOptions.h"

namespace qovcli {

// What the runner sets up before its jobs and keeps until it ends: the console log, the main loop and its
// clock (the system clock, with --virtual-clock a manual clock that starts at the present time, with
// --display the display's clock), the
// application home and the lock on it. Main thread.
class RunnerSession {
public:
    // nullptr after a message on err when the home cannot be used (refused, another runner holds it, its user
    // defaults file cannot be looked at): exit status 2.
    static std::unique_ptr<RunnerSession> begin(const RunnerOptions& options, std::ostream& err);
    // Flushes the log.
    ~RunnerSession();
    RunnerSession(const RunnerSession&) = delete;
    RunnerSession& operator=(const RunnerSession&) = delete;

private:
    explicit RunnerSession(std::unique_ptr<HomeLock> lock) : m_lock(std::move(lock)) {}

    std::unique_ptr<HomeLock> m_lock;
};

}  // namespace qovcli
