#pragma once

#include <string>

namespace qov {

// What the beacon service asks of the application (the application delegate): a line for the log, an alert
// with a message, a beta-testing checkpoint. Called on the main thread.
class QOVBeaconServiceDelegate {
public:
    virtual ~QOVBeaconServiceDelegate() = default;
    virtual void logMessage(const std::string& message) = 0;
    virtual void showAlertWithMessage(const std::string& message) = 0;
    virtual void callBetaTestWithCheckpoint(const std::string& checkpoint) = 0;
};

}  // namespace qov
