#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "platform/base/Object.h"
#include "platform/base/OperationQueue.h"

namespace platform {
class Timer;
namespace net {
class HttpRequest;
}
}  // namespace platform

namespace qov {

class QOVSettingsService;

// Checks the social feature's status on the status server: once when started, then every 900 s on the main
// run loop until stopped. A check is an HTTP GET of "/swagger_update_prod" (in test mode "/swagger_update_test")
// on the status host, on the service's own queue, with a 30 s time-out. An answer of 200 sets the settings'
// social-feature status to on (its body is only logged); any other answer, a time-out or a network failure is
// logged and leaves the status as it is, so a switch set by the remote configuration stays in force.
//
// Nothing in the application starts it; a screen or service that wants the checks calls startService().
// Own it through std::shared_ptr (the timer and the requests hold it weakly).
class QOVAppStatusService : public platform::Object, public std::enable_shared_from_this<QOVAppStatusService> {
public:
    static constexpr double kStatusCheckInterval = 900.0;
    static constexpr double kStatusCheckTimeOut = 30.0;
    static constexpr const char* kTestStatusPath = "/swagger_update_test";
    static constexpr const char* kProductionStatusPath = "/swagger_update_prod";
    // The status host is a placeholder until a real status server exists.
    static constexpr const char* kDefaultStatusBaseURL = "http://status.qovara.net";

    // The process instance, over the process settings and the default status host.
    static std::shared_ptr<QOVAppStatusService> sharedInstance();
    // Tests: stops and forgets the process instance.
    static void resetSharedInstance();

    // baseURL: scheme, host and port of the status server, without a trailing "/".
    QOVAppStatusService(std::shared_ptr<QOVSettingsService> settings, std::string baseURL = kDefaultStatusBaseURL);
    ~QOVAppStatusService() override;
    QOVAppStatusService(const QOVAppStatusService&) = delete;
    QOVAppStatusService& operator=(const QOVAppStatusService&) = delete;

    platform::OperationQueue& queue() { return m_queue; }

    // Checks at once, then every kStatusCheckInterval seconds. Starting a running service restarts its timer.
    void startService();
    void stopService();
    void performStatusChecks();
    void updateSwaggerStatus();

    // The test address is used in test mode, and the checks' progress lines are logged only then.
    void setTestMode(bool testMode);
    bool isTestModeActive() const;

    // Request callbacks (main thread).
    void swaggerStatusCheckCompleted(platform::net::HttpRequest& request);
    void swaggerStatusCheckFailed(platform::net::HttpRequest& request);

private:
    const std::shared_ptr<QOVSettingsService> m_settings;
    const std::string m_baseURL;
    platform::OperationQueue m_queue;
    mutable std::mutex m_mutex;
    std::shared_ptr<platform::Timer> m_statusUpdateTimer;
    bool m_testMode = false;
};

}  // namespace qov
