#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/error/QOVError.h"
#include "platform/base/Value.h"
#include "platform/storage/AppDirectories.h"
#include "sim/Fault.h"
#include "tests/app/core/datasource/RecordingCache.h"
#include "tests/support/SimFixture.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"

namespace qovtest {

// Tests of the data-service client against the stand-in service over loopback: a client aimed at the service
// (test host: a closed port), storing into a RecordingCache; a main loop on the system clock; a fresh home with
// its own user defaults; the locale en_US; an empty error registry whose announcements are counted.
class DatasourceFixture : public SimFixture {
protected:
    // What a caller's callback received, in order.
    struct Receiver {
        std::vector<platform::Value> answers;
    };

    DatasourceFixture();
    ~DatasourceFixture() override;
    void SetUp() override;

    qov::DS2JSONDatasource& client() { return *m_client; }
    RecordingCache& cache() { return *m_cache; }
    const std::shared_ptr<RecordingCache>& cachePointer() const { return m_cache; }
    const std::vector<platform::Value>& answers() const { return m_receiver->answers; }
    // A callback bound weakly to the receiver, as callers bind theirs.
    qov::QOVDatasouce::Callback callback();
    // Network errors (category 0) announced so far, and the last one with its sender.
    int networkErrorCount() const { return m_networkErrors; }
    const std::shared_ptr<qov::QOVError>& lastNetworkError() const { return m_lastNetworkError; }
    const platform::Value& lastNetworkErrorSender() const { return m_lastNetworkErrorSender; }

    // Runs the main loop until the client's queue is empty (false after 5 s).
    bool waitUntilIdle();
    bool waitForAnswers(std::size_t count);
    std::vector<qovsim::SimRequest> requests() { return sim().requestLog(); }
    void addFault(qovsim::Fault fault) { sim().faults().add(std::move(fault)); }
    // A fault on the paths matching pattern; the test sets what it does.
    static qovsim::Fault fault(std::string pattern, double delaySeconds = 0.0) {
        return qovsim::Fault{.pathPattern = std::move(pattern), .delaySeconds = delaySeconds};
    }
    // Each way the service fails a request on every path: an error status, a dropped connection, and an answer
    // three seconds late (past the client's time-out once a test shortens it below that).
    static std::vector<qovsim::Fault> serverFailures() {
        return {qovsim::Fault{.pathPattern = "*", .status = 500},
                qovsim::Fault{.pathPattern = "*", .dropConnection = true},
                qovsim::Fault{.pathPattern = "*", .delaySeconds = 3.0}};
    }
    std::string apiKey() const;

private:
    TempHome m_home;
    TestBundle m_bundle;
    std::shared_ptr<platform::AppDirectories> m_previousDirectories;
    std::shared_ptr<qov::DS2JSONDatasource> m_client;
    std::shared_ptr<RecordingCache> m_cache;
    std::shared_ptr<Receiver> m_receiver = std::make_shared<Receiver>();
    int m_networkErrors = 0;
    std::shared_ptr<qov::QOVError> m_lastNetworkError;
    platform::Value m_lastNetworkErrorSender;
};

}  // namespace qovtest
