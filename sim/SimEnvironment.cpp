#include "sim/SimEnvironment.h"

namespace qovsim {

SimEnvironment::SimEnvironment(std::shared_ptr<const Gazetteer> gazetteer, std::shared_ptr<platform::Clock> clock)
    : m_gazetteer(gazetteer ? std::move(gazetteer) : std::make_shared<const Gazetteer>()), m_clock(std::move(clock)) {}

platform::Date SimEnvironment::now() const { return m_clock ? m_clock->now() : platform::Clock::shared()->now(); }

}  // namespace qovsim
