#pragma once

#include <memory>
#include <string>

#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/datasource/QOVDatasouce.h"
#include "sim/SimServer.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace qovtest {

// The application world against the stand-in service over loopback: SetUp starts the stand-in, makes the data
// client ask it (the data source and the application cache both) and reads in the en_US locale; TearDown cancels
// what is still asked and puts the earlier data source back. Subclasses that override SetUp call this one first.
class StandInWorld : public ApplicationWorld {
protected:
    void SetUp() override;
    void TearDown() override;

    qovsim::SimServer& standIn() { return m_sim; }
    // The map cache fetches its tiles from the stand-in too.
    void useStandInTiles();
    // Runs one screen-script line; false when it failed.
    static bool runScriptLine(const std::string& line);

private:
    qovsim::SimServer m_sim;
    std::shared_ptr<qov::DS2JSONDatasource> m_client = std::make_shared<qov::DS2JSONDatasource>();
    std::shared_ptr<qov::QOVDatasouce> m_previousClient;
};

}  // namespace qovtest
