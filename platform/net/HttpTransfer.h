#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>

#include <curl/curl.h>

#include "platform/net/Error.h"
#include "platform/net/TransferPool.h"

namespace platform::net {

class HttpRequest;

// The curl side of one HttpRequest: sets up the easy handle from the request, tells when the transfer must stop
// (cancelled, or idle past the time-out), turns curl's outcome into the request's response or error and writes
// the download file. The response goes straight into the request.
//
// Threads: used by one thread at a time, the one that drives its multi handle: run() on a queue's worker drives
// a multi handle of its own until the end; TransferLoop drives many transfers in its shared multi handle with
// configure(), interruption() and complete(). Destroying the transfer removes an unfinished download file.
class HttpTransfer {
public:
    HttpTransfer(HttpRequest& request, TransferPool::Handles handles);
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;

    // Blocking: the whole transfer on this thread. Answers why there is no response, or nullopt when one came
    // back.
    std::optional<Error> run();

    // Sets the easy handle up; an error means the transfer cannot start.
    std::optional<Error> configure();
    // Why a running transfer must stop now (cancelled, or no byte moved for the request's time-out), or nullopt.
    std::optional<Error> interruption() const;
    // How long the transfer may stay idle before it times out, in seconds (negative once past).
    double idleSecondsLeft() const;
    // A curl poll's wait, in milliseconds, for a transfer with secondsLeft: at least 1, at most 1000, so that
    // time-outs are checked in time and a lost wake-up costs at most a second.
    static int pollMilliseconds(double secondsLeft);
    // Once curl reported the transfer done with this result (the easy handle out of the multi handle): answers
    // why there is no response, or nullopt when one came back (then the status and download file are in place).
    std::optional<Error> complete(CURLcode result);

private:
    using SteadyClock = std::chrono::steady_clock;

    std::string formBody() const;
    std::string escaped(const std::string& text) const;
    std::optional<Error> transfer();
    CURLcode completionResult() const;
    std::optional<Error> errorForResult(CURLcode result) const;
    bool hasSuccessStatus() const;
    std::optional<Error> openFile();
    std::optional<Error> finishDownload();
    void discardFile();

    // Counts the body against the request's limit; false (and the transfer stops) once it is exceeded.
    bool acceptBody(std::size_t length);
    static std::size_t onBody(char* data, std::size_t size, std::size_t count, void* context);
    static std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* context);
    static int onProgress(void* context, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded);

    HttpRequest& m_request;
    TransferPool::Handles m_handles;
    SteadyClock::time_point m_lastActivity = SteadyClock::now();
    curl_off_t m_bytesMoved = 0;
    curl_slist* m_headerList = nullptr;
    std::filesystem::path m_temporaryPath;
    std::FILE* m_file = nullptr;
    bool m_fileFailed = false;
    bool m_tooLarge = false;
    std::size_t m_bodyBytes = 0;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
};

}  // namespace platform::net
