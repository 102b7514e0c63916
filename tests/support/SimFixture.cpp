#include "tests/support/SimFixture.h"

namespace qovtest {

void SimFixture::SetUp() {
    m_sim = std::make_unique<qovsim::SimServer>(simOptions());
    ASSERT_TRUE(m_sim->start()) << "the stand-in service could not start";
}

void SimFixture::TearDown() {
    m_sim->stop();
    m_sim.reset();
}

}  // namespace qovtest
