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

// The curl side of one HttpRequest, on the worker thread that runs it: sets up the easy handle from the
// request, drives the multi handle until the transfer completes, is cancelled or stays idle past the time-out,
// and writes the download file. The response goes straight into the request.
class HttpTransfer {
public:
    HttpTransfer(HttpRequest& request, TransferPool::Handles handles);
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;

    // Answers why there is no response, or nullopt when one came back.
    std::optional<Error> run();

private:
    using SteadyClock = std::chrono::steady_clock;

    std::optional<Error> configure();
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
