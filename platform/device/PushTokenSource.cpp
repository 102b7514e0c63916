#include "platform/device/PushTokenSource.h"

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/base/RunLoop.h"

QOV_LOG_LEVEL(15)

namespace platform::device {

PushTokenSource& PushTokenSource::shared() {
    static NeverDestroyed<PushTokenSource> source;
    return *source;
}

void PushTokenSource::resetShared() {
    PushTokenSource& source = shared();
    const std::lock_guard lock(source.m_mutex);
    source.m_registered = false;
    source.m_onToken = nullptr;
    source.m_onFailure = nullptr;
    source.m_answer = std::monostate{};
    ++source.m_generation;
}

void PushTokenSource::registerForRemoteNotifications(TokenHandler onToken, FailureHandler onFailure) {
    const std::lock_guard lock(m_mutex);
    m_registered = true;
    m_onToken = std::move(onToken);
    m_onFailure = std::move(onFailure);
    if (!std::holds_alternative<std::monostate>(m_answer)) {
        postAnswer(m_answer);
    }
}

bool PushTokenSource::isRegistered() const {
    const std::lock_guard lock(m_mutex);
    return m_registered;
}

bool PushTokenSource::deliverDeviceToken(const Data& token) {
    if (token.empty()) {
        QOV_LOG_WARN("refused an empty device token");
        return false;
    }
    const std::lock_guard lock(m_mutex);
    m_answer = token;
    if (m_registered) {
        postAnswer(m_answer);
    }
    return true;
}

void PushTokenSource::failRegistration(std::string error) {
    const std::lock_guard lock(m_mutex);
    m_answer = std::move(error);
    if (m_registered) {
        postAnswer(m_answer);
    }
}

std::optional<Data> PushTokenSource::deviceToken() const {
    const std::lock_guard lock(m_mutex);
    if (const auto* token = std::get_if<Data>(&m_answer)) {
        return *token;
    }
    return std::nullopt;
}

void PushTokenSource::postAnswer(Answer answer) {
    // The process instance lives as long as the process, so the posted work may refer to it.
    dispatchMain([this, generation = m_generation, answer = std::move(answer)] {
        std::unique_lock lock(m_mutex);
        if (generation != m_generation) {
            return;
        }
        if (const auto* token = std::get_if<Data>(&answer)) {
            const TokenHandler onToken = m_onToken;
            lock.unlock();
            if (onToken) {
                onToken(*token);
            }
        } else if (const auto* error = std::get_if<std::string>(&answer)) {
            const FailureHandler onFailure = m_onFailure;
            lock.unlock();
            if (onFailure) {
                onFailure(*error);
            }
        }
    });
}

}  // namespace platform::device
