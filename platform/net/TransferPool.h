#pragma once

#include <mutex>
#include <optional>
#include <vector>

#include <curl/curl.h>

#include "platform/base/ProcessInstance.h"

namespace platform::net {

// Idle curl handles kept between transfers so that connections are reused. A transfer checks out one multi
// handle with its easy handle and checks them in when done; the multi handle keeps its cache of open
// connections, so a later transfer to the same host goes over a connection already open. Each pair is used by
// one thread at a time, which is all curl allows (a connection cache shared by concurrent threads is not
// supported). The most recently returned pair is handed out first.
class TransferPool {
public:
    struct Handles {
        CURLM* multi = nullptr;
        CURL* easy = nullptr;
    };

    // The process pool. It lives until the process ends, so that queues destroyed at exit can still finish.
    static TransferPool& shared();

    // Any thread. A pair with no options set, or nullopt when curl cannot make one.
    std::optional<Handles> checkOut();
    // Any thread. The easy handle must no longer be in the multi handle; its options are reset here.
    void checkIn(Handles handles);

private:
    friend class platform::NeverDestroyed<TransferPool>;
    TransferPool();

    std::mutex m_mutex;
    std::vector<Handles> m_idle;
};

}  // namespace platform::net
