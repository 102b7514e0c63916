#include "platform/net/TransferLoop.h"

#include <algorithm>
#include <thread>

#include "platform/base/Log.h"
#include "platform/net/HttpRequest.h"
#include "platform/net/HttpTransfer.h"
#include "platform/net/TransferPool.h"

QOV_LOG_LEVEL(15)

namespace platform::net {

struct TransferLoop::Running {
    std::shared_ptr<HttpRequest> request;
    std::unique_ptr<HttpTransfer> transfer;
};

namespace {

CURLM* makeMultiHandle() {
    TransferPool::shared();  // curl's global set-up comes first
    return curl_multi_init();
}

}  // namespace

TransferLoop& TransferLoop::shared() {
    // Never destroyed: its thread runs until the process ends.
    static NeverDestroyed<TransferLoop> loop;
    return *loop;
}

TransferLoop::TransferLoop() : m_multi(makeMultiHandle()) {
    if (m_multi == nullptr) {
        QOV_LOG_ERROR("The transfer loop could not make its curl multi handle");
        return;
    }
    std::thread([this] { run(); }).detach();
}

TransferLoop::~TransferLoop() = default;

void TransferLoop::start(std::shared_ptr<HttpRequest> request) {
    if (m_multi == nullptr) {
        request->endTransfer(Error(Error::Code::ConnectionFailure, "The transfer could not start"));
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_started.push_back(std::move(request));
    }
    curl_multi_wakeup(m_multi);
}

void TransferLoop::run() {
    for (;;) {
        admitStarted();
        int stillRunning = 0;
        const CURLMcode code = curl_multi_perform(m_multi, &stillRunning);
        if (code != CURLM_OK) {
            QOV_LOG_ERROR("The transfer loop failed: {}", curl_multi_strerror(code));
            while (!m_running.empty()) {
                end(m_running.begin()->first, Error(Error::Code::ConnectionFailure, curl_multi_strerror(code)),
                    CURLE_OK);
            }
        }
        collectCompleted();
        stopInterrupted();
        // Wakes early for socket activity, for start() and for a request's cancel().
        curl_multi_poll(m_multi, nullptr, 0, pollMilliseconds(), nullptr);
    }
}

void TransferLoop::admitStarted() {
    std::vector<std::shared_ptr<HttpRequest>> started;
    {
        std::lock_guard lock(m_mutex);
        started.swap(m_started);
    }
    for (auto& request : started) {
        CURL* easy = curl_easy_init();
        if (easy == nullptr) {
            request->endTransfer(Error(Error::Code::ConnectionFailure, "The transfer could not start"));
            continue;
        }
        auto running = std::make_unique<Running>();
        running->request = std::move(request);
        running->transfer = std::make_unique<HttpTransfer>(*running->request, TransferPool::Handles{m_multi, easy});
        std::optional<Error> failure = running->transfer->configure();
        if (!failure && curl_multi_add_handle(m_multi, easy) != CURLM_OK) {
            failure = Error(Error::Code::ConnectionFailure, "The transfer could not start");
        }
        if (failure) {
            running->transfer.reset();
            curl_easy_cleanup(easy);
            running->request->endTransfer(std::move(failure));
            continue;
        }
        running->request->setActiveMulti(m_multi);
        m_running.emplace(easy, std::move(running));
    }
}

void TransferLoop::collectCompleted() {
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(m_multi, &queued)) {
        if (message->msg == CURLMSG_DONE && m_running.contains(message->easy_handle)) {
            end(message->easy_handle, std::nullopt, message->data.result);
        }
    }
}

void TransferLoop::stopInterrupted() {
    std::vector<std::pair<CURL*, Error>> interrupted;
    for (const auto& [easy, running] : m_running) {
        if (auto reason = running->transfer->interruption()) {
            interrupted.emplace_back(easy, std::move(*reason));
        }
    }
    for (auto& [easy, reason] : interrupted) {
        end(easy, std::move(reason), CURLE_OK);
    }
}

int TransferLoop::pollMilliseconds() const {
    double secondsLeft = 1.0;
    for (const auto& [easy, running] : m_running) {
        secondsLeft = std::min(secondsLeft, running->transfer->idleSecondsLeft());
    }
    return HttpTransfer::pollMilliseconds(secondsLeft);
}

void TransferLoop::end(CURL* easy, std::optional<Error> interruption, CURLcode result) {
    const auto found = m_running.find(easy);
    std::unique_ptr<Running> running = std::move(found->second);
    m_running.erase(found);
    curl_multi_remove_handle(m_multi, easy);
    running->request->setActiveMulti(nullptr);
    std::optional<Error> error = interruption ? std::move(interruption) : running->transfer->complete(result);
    running->transfer.reset();  // an unfinished download file goes before the request ends
    curl_easy_cleanup(easy);
    running->request->endTransfer(std::move(error));
}

}  // namespace platform::net
