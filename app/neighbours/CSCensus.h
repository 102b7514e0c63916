#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace qov {

// The audience-measurement client. The application starts it once at launch, on a background queue, with the
// customer id and secret of the information list. The measurement endpoint is not contacted: each event is
// logged and kept (sentEvents) with the pixel address it would go to.
class CSCensus {
public:
    static constexpr const char* kPixelBaseURL = "http://census.qovara.net/p";
    static constexpr const char* kStartEvent = "start";

    // Stores the customer id and the secret (the salt of later events), sets the pixel address and sends the
    // application-start event. Thread-safe.
    void notifyStart(const std::string& customerId, const std::string& secret);

    std::string customerId() const;
    std::string salt() const;
    std::string pixelURL() const;
    // The events sent, oldest first.
    std::vector<std::string> sentEvents() const;

private:
    mutable std::mutex m_mutex;
    std::string m_customerId;
    std::string m_salt;
    std::string m_pixelURL;
    std::vector<std::string> m_sentEvents;
};

}  // namespace qov
