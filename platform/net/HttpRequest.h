#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/base/OperationQueue.h"
#include "platform/base/Value.h"
#include "platform/net/Error.h"

namespace platform::net {

// One HTTP request over libcurl, run as an operation on an OperationQueue (never on the main thread).
// By default the transfer holds the queue's worker until it ends, so the queue's width bounds the transfers in
// flight. One set to run on the transfer loop is a concurrent operation: its main() hands the transfer to
// TransferLoop::shared() and frees the worker, so it waits on the network without a thread of its own, and the
// queue's width bounds only how many are handed over at once, not how many are in flight.
//
// Set it up (URL, headers, form fields, time-out, download path, callbacks) before it is queued; then either
// add it to a queue of your own or call startAsynchronous(). When it ends, exactly one callback runs on the main
// loop, on a later turn: onFinished when a response came back, whatever its status (404 and 500 finish too),
// onFailed when there was no response (connection refused, DNS failure, network off, time-out, cancelled) or
// the body was larger than the request accepts.
// (A queue destroyed first drops the deliveries still pending.) Results are read in the callbacks or afterwards,
// on the main thread. Requests are owned by std::shared_ptr.
class HttpRequest : public Operation {
public:
    using Callback = std::function<void(HttpRequest&)>;

    // Header names compare without regard to case.
    struct HeaderNameLess {
        using is_transparent = void;
        bool operator()(std::string_view lhs, std::string_view rhs) const;
    };
    using Headers = std::map<std::string, std::string, HeaderNameLess>;

    static constexpr double kDefaultTimeOutSeconds = 10.0;
    static constexpr std::size_t kDefaultMaxResponseBytes = std::size_t{16} << 20;

    explicit HttpRequest(std::string url, Dictionary userInfo = {});

    const std::string& url() const { return m_url; }
    // "GET", or "POST" once a form field was added.
    std::string_view requestMethod() const { return m_postValues.empty() ? "GET" : "POST"; }

    // A request header. A name or value that would break the header block (line breaks, NUL, a colon in the
    // name) is refused and logged.
    void addRequestHeader(std::string name, std::string value);
    // A form field: the request becomes a POST with an application/x-www-form-urlencoded body.
    void addPostValue(std::string key, std::string value);

    // The request fails with a time-out when no byte moves for this long (connecting included).
    // Non-positive or non-finite values are ignored.
    void setTimeOutSeconds(double seconds);
    double timeOutSeconds() const { return m_timeOutSeconds; }

    // The largest body the request accepts, in memory or in the download file (16 MiB unless set). A response
    // that announces a larger body fails at once, one that grows past it fails as soon as it does, with
    // Error::Code::ResponseTooLarge; what arrived is dropped.
    void setMaxResponseBytes(std::size_t bytes) { m_maxResponseBytes = bytes; }
    std::size_t maxResponseBytes() const { return m_maxResponseBytes; }

    // Writes a successful (2xx) body to this file instead of memory: into a temporary file beside it, renamed
    // over it once the transfer completed. Any other status leaves the file alone and keeps the body in memory;
    // a failed or cancelled transfer leaves no trace.
    void setDownloadDestinationPath(std::filesystem::path path) { m_downloadDestinationPath = std::move(path); }
    const std::filesystem::path& downloadDestinationPath() const { return m_downloadDestinationPath; }

    // Both run on the main loop; they are released after the delivery.
    void setOnFinished(Callback callback) { m_onFinished = std::move(callback); }
    void setOnFailed(Callback callback) { m_onFailed = std::move(callback); }

    // Before the request is queued: whether the transfer runs on the process's transfer loop (false by default).
    void setRunsOnTransferLoop(bool onLoop) { m_runsOnTransferLoop = onLoop; }
    bool runsOnTransferLoop() const { return m_runsOnTransferLoop; }
    bool isConcurrent() const override { return m_runsOnTransferLoop; }

    // Adds the request to sharedQueue().
    void startAsynchronous();
    // The process queue for requests that have no queue of their own, 4 wide.
    static OperationQueue& sharedQueue();

    // Any thread. Stops a running transfer promptly; the request then fails with a cancelled error (also when
    // its transfer had already completed but its delivery had not yet run). Nothing is delivered after that.
    void cancel() override;

    // Results. A failed request has none: status 0, no headers, no body.
    int responseStatusCode() const { return m_responseStatusCode; }
    const Headers& responseHeaders() const { return m_responseHeaders; }
    const Data& responseData() const { return m_responseData; }
    // The body as UTF-8 text; a body that is not valid UTF-8 answers "" (and is logged).
    std::string responseString() const;
    const std::optional<Error>& error() const { return m_error; }

protected:
    void main() override;
    void completeOnMainThread() override;

private:
    friend class HttpTransfer;
    friend class TransferLoop;

    // The transfer ended with the error (nullopt: a response came back, or the completion reports a cancel).
    // On the transfer loop's thread it finishes the concurrent operation.
    void endTransfer(std::optional<Error> error);
    void setActiveMulti(void* multi);

    const std::string m_url;
    std::vector<std::pair<std::string, std::string>> m_requestHeaders;
    std::vector<std::pair<std::string, std::string>> m_postValues;
    double m_timeOutSeconds = kDefaultTimeOutSeconds;
    std::size_t m_maxResponseBytes = kDefaultMaxResponseBytes;
    std::filesystem::path m_downloadDestinationPath;
    Callback m_onFinished;
    Callback m_onFailed;
    bool m_runsOnTransferLoop = false;

    // Written by the transfer on the worker thread, read on the main loop after it.
    int m_responseStatusCode = 0;
    Headers m_responseHeaders;
    Data m_responseData;
    std::optional<Error> m_error;

    std::mutex m_transferMutex;
    void* m_activeMulti = nullptr;  // the running transfer's curl multi handle, which cancel() wakes
};

}  // namespace platform::net
