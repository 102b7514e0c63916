#pragma once

#include <memory>
#include <string>

#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/shell/locations/LocationSearchBar.h"
#include "sim/SimServer.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace qovtest {

// The application on its root screen, its data-service client aimed at an in-process stand-in service over
// loopback, and the root screen's location bar.
class LocationBarFixture : public ApplicationWorld {
protected:
    void SetUp() override;
    void TearDown() override;

    qovsim::SimServer& sim() { return *m_sim; }
    // Runs the main loop until the client has no request left (false after 5 s).
    bool waitUntilIdle();
    // The user taps the field and types.
    void type(const std::string& characters);
    // The alert in front, or nullptr.
    static std::shared_ptr<platform::ui::AlertView> frontAlert();
    static std::string currentKey();
    int typeAheadRequestCount();

    std::shared_ptr<qov::QOVMasterViewController> master;
    std::shared_ptr<qov::LocationSearchBar> bar;

private:
    std::unique_ptr<qovsim::SimServer> m_sim;
    std::shared_ptr<qov::DS2JSONDatasource> m_client;
};

}  // namespace qovtest
