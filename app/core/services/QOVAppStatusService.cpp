#include "app/core/services/QOVAppStatusService.h"

#include <utility>

#include "app/core/services/QOVSettingsService.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/base/RunLoop.h"
#include "platform/net/HttpRequest.h"

// Errors only; test mode adds the progress lines (flag 16).
QOV_LOG_LEVEL(3)

namespace qov {

namespace {

constexpr int kNormalLogMask = 3;
constexpr int kTestModeLogMask = 31;

platform::ProcessSlot<QOVAppStatusService>& sharedInstanceSlot() {
    static platform::ProcessSlot<QOVAppStatusService> slot;
    return slot;
}

}  // namespace

std::shared_ptr<QOVAppStatusService> QOVAppStatusService::sharedInstance() {
    return sharedInstanceSlot().instance(
        [] { return std::make_shared<QOVAppStatusService>(QOVSettingsService::sharedInstance()); });
}

void QOVAppStatusService::resetSharedInstance() {
    if (const auto previous = sharedInstanceSlot().exchange(nullptr)) {
        previous->stopService();
    }
}

QOVAppStatusService::QOVAppStatusService(std::shared_ptr<QOVSettingsService> settings, std::string baseURL)
    : m_settings(std::move(settings)), m_baseURL(std::move(baseURL)) {}

QOVAppStatusService::~QOVAppStatusService() {
    if (m_statusUpdateTimer) {
        m_statusUpdateTimer->invalidate();
    }
}

void QOVAppStatusService::startService() {
    performStatusChecks();
    QOV_LOG_DEBUG("app status service: started");
    auto timer = platform::RunLoop::main().scheduleTimer(
        kStatusCheckInterval, true,
        platform::bindWeak(shared_from_this(),
                           [](QOVAppStatusService& service, platform::Timer&) { service.performStatusChecks(); }));
    std::shared_ptr<platform::Timer> previous;
    {
        const std::lock_guard lock(m_mutex);
        previous = std::exchange(m_statusUpdateTimer, std::move(timer));
    }
    if (previous) {
        previous->invalidate();
    }
}

void QOVAppStatusService::stopService() {
    QOV_LOG_DEBUG("app status service: stopped");
    std::shared_ptr<platform::Timer> timer;
    {
        const std::lock_guard lock(m_mutex);
        timer = std::move(m_statusUpdateTimer);
    }
    if (timer) {
        timer->invalidate();
    }
}

void QOVAppStatusService::performStatusChecks() {
    QOV_LOG_DEBUG("begin performing app functions status checks");
    updateSwaggerStatus();
    QOV_LOG_DEBUG("end performing app functions status checks");
}

void QOVAppStatusService::updateSwaggerStatus() {
    const std::string url = m_baseURL + (isTestModeActive() ? kTestStatusPath : kProductionStatusPath);
    QOV_LOG_DEBUG("checking swagger status with URL: {}", url);
    auto request = std::make_shared<platform::net::HttpRequest>(url);
    request->setTimeOutSeconds(kStatusCheckTimeOut);
    request->setOnFinished(platform::bindWeak(shared_from_this(), &QOVAppStatusService::swaggerStatusCheckCompleted));
    request->setOnFailed(platform::bindWeak(shared_from_this(), &QOVAppStatusService::swaggerStatusCheckFailed));
    m_queue.addOperation(std::move(request));
}

void QOVAppStatusService::setTestMode(bool testMode) {
    {
        const std::lock_guard lock(m_mutex);
        m_testMode = testMode;
    }
    qovFileLogLevel.setMask(testMode ? kTestModeLogMask : kNormalLogMask);
}

bool QOVAppStatusService::isTestModeActive() const {
    const std::lock_guard lock(m_mutex);
    return m_testMode;
}

void QOVAppStatusService::swaggerStatusCheckCompleted(platform::net::HttpRequest& request) {
    if (request.responseStatusCode() != 200) {
        swaggerStatusCheckFailed(request);
        return;
    }
    QOV_LOG_DEBUG("swagger status check returned: {}", request.responseString());
    if (m_settings) {
        m_settings->setSwaggerStatus(QOVSettingsService::kSwaggerStatusOn);
    }
}

void QOVAppStatusService::swaggerStatusCheckFailed(platform::net::HttpRequest& request) {
    // The status stays as it is: a status server that cannot be reached says nothing about the feature.
    QOV_LOG_ERROR("error: could not get swagger status from server; response status={}", request.responseStatusCode());
}

}  // namespace qov
