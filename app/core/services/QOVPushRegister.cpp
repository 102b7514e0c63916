#include "app/core/services/QOVPushRegister.h"

#include <mutex>

#include <fmt/format.h>

#include "app/core/datasource/DatasourceURL.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "app/core/services/QOVSettingsService.h"
#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/net/HttpRequest.h"
#include "platform/storage/Bundle.h"
#include "platform/ui/Device.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

platform::ProcessSlot<QOVPushRegister>& sharedSlot() {
    static platform::ProcessSlot<QOVPushRegister> slot;
    return slot;
}

}  // namespace

std::shared_ptr<QOVPushRegister> QOVPushRegister::pushRegister() {
    return sharedSlot().instance([] {
        return std::make_shared<QOVPushRegister>(
            platform::Bundle::main().objectForInfoDictionaryKey(kServiceHostInfoKey).stringValue(),
            [] { return QOVSettingsService::sharedInstance(); });
    });
}

void QOVPushRegister::resetPushRegister() { sharedSlot().exchange(nullptr); }

QOVPushRegister::QOVPushRegister(std::string serviceHost, SettingsProvider settings)
    : m_serviceHost(std::move(serviceHost)), m_settings(std::move(settings)) {}

std::optional<std::string> QOVPushRegister::transformDeviceId(const std::optional<platform::Data>& token) {
    if (!token) {
        return std::nullopt;
    }
    std::string digits;
    digits.reserve(token->size() * 2);
    for (const std::uint8_t byte : *token) {
        digits += fmt::format("{:02x}", byte);
    }
    return digits;
}

std::optional<std::string> QOVPushRegister::registrationURL(
    const platform::Data& token, const std::shared_ptr<QOVLocationIdentity>& location) const {
    if (!location || location->type() == 0 || m_serviceHost.empty()) {
        return std::nullopt;
    }
    return fmt::format("http://{}{}?id={}&locations=!{}:{}:US&alerts=*&locale=en_US&version={}&platform={}",
                       m_serviceHost, kWritePath, *transformDeviceId(token),
                       DatasourceURL::encodeComponent(location->key().value_or(std::string())), location->type(),
                       QOVSettingsService::isPremiumApp() ? "KESTRO" : "FREE",
                       platform::ui::Device::current().isPad() ? "IPAD" : "IPHONE");
}

void QOVPushRegister::registerDevice(const platform::Data& token,
                                     const std::shared_ptr<QOVLocationIdentity>& location) {
    if (token.empty()) {
        QOV_LOG_WARN("An empty push token was not registered");
        return;
    }
    if (const auto settings = m_settings ? m_settings() : nullptr) {
        settings->setApnDeviceToken(token);
    }
    const auto url = registrationURL(token, location);
    if (!url) {
        QOV_LOG_DEBUG("No push location chosen (or no push service); nothing registered");
        return;
    }
    std::make_shared<platform::net::HttpRequest>(*url)->startAsynchronous();
}

void QOVPushRegister::removeDevice(const platform::Data&) {}

}  // namespace qov
