#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "sim/SimServer.h"

namespace qovtest {

// Runs an in-process stand-in service on a free loopback port for each test and stops it afterwards.
// Derive a test fixture from it and call sim() / simUrl(). The service asks the process clock for "now" unless
// a fixture overrides simOptions(), so a test that installs a manual clock gets stable answers.
class SimFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    virtual qovsim::SimServer::Options simOptions() const { return {}; }

    qovsim::SimServer& sim() { return *m_sim; }
    // "http://127.0.0.1:PORT" followed by the path (which begins with "/").
    std::string simUrl(const std::string& path = "") const { return m_sim->baseUrl() + path; }

private:
    std::unique_ptr<qovsim::SimServer> m_sim;
};

}  // namespace qovtest
