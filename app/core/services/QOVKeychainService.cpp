#include "app/core/services/QOVKeychainService.h"

#include <cstdint>
#include <utility>

#include <unicode/utf8.h>

#include "platform/base/Log.h"
#include "platform/security/SecretStore.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

using platform::security::SecretStatus;

bool isUtf8(const platform::Data& bytes) {
    const auto* text = reinterpret_cast<const char*>(bytes.data());
    const auto length = static_cast<std::int32_t>(bytes.size());
    if (static_cast<std::size_t>(length) != bytes.size()) {
        return false;
    }
    std::int32_t offset = 0;
    while (offset < length) {
        UChar32 character = 0;
        U8_NEXT(text, offset, length, character);
        if (character < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

QOVKeychainService::QOVKeychainService(std::shared_ptr<platform::security::SecretStore> store)
    : m_store(store ? std::move(store) : platform::security::SecretStore::shared()) {}

bool QOVKeychainService::saveGenericPassword(const std::optional<std::string>& password,
                                             const std::optional<std::string>& account,
                                             const std::optional<std::string>& service) const {
    if (!password || !account || !service) {
        return false;
    }
    const platform::Data value(password->begin(), password->end());
    SecretStatus status = m_store->copyMatching(*service, *account);
    if (status == SecretStatus::Success) {
        status = m_store->update(*service, *account, value);
    } else if (status == SecretStatus::ItemNotFound) {
        status = m_store->add(*service, *account, value);
    }
    if (status != SecretStatus::Success) {
        QOV_LOG_ERROR("The password of service \"{}\" could not be saved (status {})", *service,
                      static_cast<int>(status));
        return false;
    }
    return true;
}

std::optional<std::string> QOVKeychainService::genericPasswordForAccount(
    const std::optional<std::string>& account, const std::optional<std::string>& service) const {
    if (!account || !service) {
        return std::nullopt;
    }
    platform::Data value;
    if (m_store->copyMatching(*service, *account, &value) != SecretStatus::Success) {
        return std::nullopt;
    }
    if (!isUtf8(value)) {
        QOV_LOG_ERROR("The password of service \"{}\" is not UTF-8 text", *service);
        return std::nullopt;
    }
    return std::string(value.begin(), value.end());
}

bool QOVKeychainService::deleteService(const std::optional<std::string>& service) const {
    if (!service) {
        return false;
    }
    const SecretStatus status = m_store->remove(*service);
    if (status != SecretStatus::Success && status != SecretStatus::ItemNotFound) {
        QOV_LOG_ERROR("The items of service \"{}\" could not be deleted (status {})", *service,
                      static_cast<int>(status));
    }
    return status == SecretStatus::Success;
}

}  // namespace qov
