#include "platform/net/HttpTransfer.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/net/HttpRequest.h"

namespace platform::net {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

HttpTransfer::HttpTransfer(HttpRequest& request, TransferPool::Handles handles)
    : m_request(request), m_handles(handles) {}

HttpTransfer::~HttpTransfer() {
    curl_slist_free_all(m_headerList);
    discardFile();
}

std::optional<Error> HttpTransfer::run() {
    if (auto failure = configure()) {
        return failure;
    }
    return transfer();
}

std::optional<Error> HttpTransfer::configure() {
    CURL* easy = m_handles.easy;
    bool ok = curl_easy_setopt(easy, CURLOPT_URL, m_request.m_url.c_str()) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, m_errorBuffer) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &HttpTransfer::onBody) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_WRITEDATA, this) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &HttpTransfer::onHeader) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_HEADERDATA, this) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &HttpTransfer::onProgress) == CURLE_OK;
    ok = ok && curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this) == CURLE_OK;
    // Refuses an announced length at once; bodies of unknown length are counted in onBody.
    ok = ok && curl_easy_setopt(
                   easy, CURLOPT_MAXFILESIZE_LARGE,
                   static_cast<curl_off_t>(std::min<std::size_t>(m_request.m_maxResponseBytes, INT64_MAX))) == CURLE_OK;
    for (const auto& [name, value] : m_request.m_requestHeaders) {
        curl_slist* extended = curl_slist_append(m_headerList, (name + ": " + value).c_str());
        ok = ok && extended != nullptr;
        m_headerList = extended != nullptr ? extended : m_headerList;
    }
    ok = ok && curl_easy_setopt(easy, CURLOPT_HTTPHEADER, m_headerList) == CURLE_OK;
    if (!m_request.m_postValues.empty()) {
        const std::string body = formBody();
        const auto size = static_cast<curl_off_t>(body.size());
        ok = ok && curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, size) == CURLE_OK;
        ok = ok && curl_easy_setopt(easy, CURLOPT_COPYPOSTFIELDS, body.c_str()) == CURLE_OK;
    }
    if (!ok) {
        return Error(Error::Code::InvalidRequest, "The request could not be set up");
    }
    if (!m_request.m_downloadDestinationPath.empty()) {
        return openFile();
    }
    return std::nullopt;
}

std::string HttpTransfer::formBody() const {
    std::string body;
    for (const auto& [key, value] : m_request.m_postValues) {
        if (!body.empty()) {
            body += '&';
        }
        body += escaped(key) + '=' + escaped(value);
    }
    return body;
}

std::string HttpTransfer::escaped(const std::string& text) const {
    char* escapedText = curl_easy_escape(m_handles.easy, text.data(), static_cast<int>(text.size()));
    std::string result = escapedText != nullptr ? escapedText : "";
    curl_free(escapedText);
    return result;
}

std::optional<Error> HttpTransfer::transfer() {
    CURLM* multi = m_handles.multi;
    if (curl_multi_add_handle(multi, m_handles.easy) != CURLM_OK) {
        return Error(Error::Code::ConnectionFailure, "The transfer could not start");
    }
    m_request.setActiveMulti(multi);
    std::optional<Error> failure;
    CURLcode result = CURLE_OK;
    for (;;) {
        int running = 0;
        const CURLMcode code = curl_multi_perform(multi, &running);
        if (code != CURLM_OK) {
            failure = Error(Error::Code::ConnectionFailure, curl_multi_strerror(code));
            break;
        }
        if (running == 0) {
            result = completionResult();
            break;
        }
        if ((failure = interruption())) {
            break;
        }
        // Wakes early for socket activity and for cancel().
        curl_multi_poll(multi, nullptr, 0, pollMilliseconds(idleSecondsLeft()), nullptr);
    }
    curl_multi_remove_handle(multi, m_handles.easy);
    m_request.setActiveMulti(nullptr);
    if (failure) {
        return failure;
    }
    return complete(result);
}

std::optional<Error> HttpTransfer::interruption() const {
    if (m_request.isCancelled()) {
        return Error::cancelled();
    }
    if (idleSecondsLeft() <= 0.0) {
        return Error::timedOut();
    }
    return std::nullopt;
}

double HttpTransfer::idleSecondsLeft() const {
    return m_request.m_timeOutSeconds - std::chrono::duration<double>(SteadyClock::now() - m_lastActivity).count();
}

int HttpTransfer::pollMilliseconds(double secondsLeft) {
    return static_cast<int>(std::clamp(std::ceil(secondsLeft * 1000.0), 1.0, 1000.0));
}

std::optional<Error> HttpTransfer::complete(CURLcode result) {
    if (m_tooLarge || result == CURLE_FILESIZE_EXCEEDED) {
        m_request.m_responseData = Data();  // frees what arrived
        return Error::responseTooLarge(m_request.m_maxResponseBytes);
    }
    if (auto failure = errorForResult(result)) {
        return failure;
    }
    long status = 0;
    curl_easy_getinfo(m_handles.easy, CURLINFO_RESPONSE_CODE, &status);
    m_request.m_responseStatusCode = static_cast<int>(status);
    return finishDownload();
}

CURLcode HttpTransfer::completionResult() const {
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(m_handles.multi, &queued)) {
        if (message->msg == CURLMSG_DONE) {
            return message->data.result;
        }
    }
    return CURLE_RECV_ERROR;
}

std::optional<Error> HttpTransfer::errorForResult(CURLcode result) const {
    const std::string description = m_errorBuffer[0] != '\0' ? m_errorBuffer : curl_easy_strerror(result);
    switch (result) {
        case CURLE_OK: return std::nullopt;
        case CURLE_ABORTED_BY_CALLBACK: return Error::cancelled();
        case CURLE_OPERATION_TIMEDOUT: return Error::timedOut();
        case CURLE_URL_MALFORMAT:
        case CURLE_UNSUPPORTED_PROTOCOL: return Error(Error::Code::InvalidRequest, description);
        case CURLE_WRITE_ERROR:
            if (m_fileFailed) {
                return Error(Error::Code::FileError, "Could not write " + m_temporaryPath.string());
            }
            return Error(Error::Code::ConnectionFailure, description);
        default: return Error(Error::Code::ConnectionFailure, description);
    }
}

bool HttpTransfer::hasSuccessStatus() const {
    long status = 0;
    curl_easy_getinfo(m_handles.easy, CURLINFO_RESPONSE_CODE, &status);
    return status >= 200 && status < 300;
}

std::optional<Error> HttpTransfer::openFile() {
    std::string pattern = m_request.m_downloadDestinationPath.string() + ".download-XXXXXX";
    const int descriptor = mkstemp(pattern.data());
    if (descriptor >= 0) {
        m_file = fdopen(descriptor, "wb");
        if (m_file == nullptr) {
            close(descriptor);
            std::remove(pattern.c_str());
        }
    }
    if (m_file == nullptr) {
        return Error(Error::Code::FileError,
                     "Could not create a file beside " + m_request.m_downloadDestinationPath.string());
    }
    m_temporaryPath = pattern;
    return std::nullopt;
}

// A 2xx body goes into place; anything else leaves the destination as it was.
std::optional<Error> HttpTransfer::finishDownload() {
    if (m_file == nullptr) {
        return std::nullopt;
    }
    if (!hasSuccessStatus()) {
        discardFile();
        return std::nullopt;
    }
    bool written = std::fflush(m_file) == 0 && fsync(fileno(m_file)) == 0;
    written = std::fclose(m_file) == 0 && written;
    m_file = nullptr;
    std::error_code renameError;
    if (written) {
        std::filesystem::rename(m_temporaryPath, m_request.m_downloadDestinationPath, renameError);
    }
    if (!written || renameError) {
        std::error_code ignored;
        std::filesystem::remove(m_temporaryPath, ignored);
        return Error(Error::Code::FileError, "Could not write " + m_request.m_downloadDestinationPath.string());
    }
    return std::nullopt;
}

void HttpTransfer::discardFile() {
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
        std::error_code ignored;
        std::filesystem::remove(m_temporaryPath, ignored);
    }
}

bool HttpTransfer::acceptBody(std::size_t length) {
    if (length > m_request.m_maxResponseBytes - m_bodyBytes) {
        m_tooLarge = true;
        return false;
    }
    m_bodyBytes += length;
    return true;
}

std::size_t HttpTransfer::onBody(char* data, std::size_t size, std::size_t count, void* context) {
    auto& transfer = *static_cast<HttpTransfer*>(context);
    const std::size_t length = size * count;
    if (!transfer.acceptBody(length)) {
        return 0;
    }
    if (transfer.m_file != nullptr && transfer.hasSuccessStatus()) {
        if (std::fwrite(data, 1, length, transfer.m_file) != length) {
            transfer.m_fileFailed = true;
            return 0;
        }
        return length;
    }
    Data& body = transfer.m_request.m_responseData;
    body.insert(body.end(), data, data + length);
    return length;
}

std::size_t HttpTransfer::onHeader(char* data, std::size_t size, std::size_t count, void* context) {
    auto& headers = static_cast<HttpTransfer*>(context)->m_request.m_responseHeaders;
    const std::size_t length = size * count;
    const std::string_view line(data, length);
    if (line.starts_with("HTTP/")) {
        headers.clear();  // a new response (after an interim one)
        return length;
    }
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) {
        return length;
    }
    const std::string name(trimmed(line.substr(0, colon)));
    const std::string_view value = trimmed(line.substr(colon + 1));
    auto [entry, inserted] = headers.try_emplace(name, value);
    if (!inserted) {
        entry->second.append(", ").append(value);
    }
    return length;
}

int HttpTransfer::onProgress(void* context, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded) {
    auto& transfer = *static_cast<HttpTransfer*>(context);
    if (downloaded + uploaded != transfer.m_bytesMoved) {
        transfer.m_bytesMoved = downloaded + uploaded;
        transfer.m_lastActivity = SteadyClock::now();
    }
    return transfer.m_request.isCancelled() ? 1 : 0;
}

}  // namespace platform::net
