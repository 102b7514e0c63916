#pragma once

#include <memory>

#include "platform/base/Clock.h"
#include "sim/Gazetteer.h"

namespace qovsim {

// What every family of answers reads: the gazetteer and the time. Answers are generated from the place and
// now(), so a test that installs a manual clock gets the same answers every run.
class SimEnvironment {
public:
    // A null clock means the process clock (platform::Clock::shared()) at each call.
    SimEnvironment(std::shared_ptr<const Gazetteer> gazetteer, std::shared_ptr<platform::Clock> clock);

    const Gazetteer& gazetteer() const { return *m_gazetteer; }
    platform::Date now() const;

private:
    std::shared_ptr<const Gazetteer> m_gazetteer;
    std::shared_ptr<platform::Clock> m_clock;
};

}  // namespace qovsim
