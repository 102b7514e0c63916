#pragma once

#include <memory>
#include <optional>
#include <string>

namespace platform::security {
class SecretStore;
}

namespace qov {

// Generic-password items of the platform's secret store, by service and account, with UTF-8 passwords.
// Absent (nullopt) texts are refused; empty texts are ordinary values. Synchronous on the caller's thread.
class QOVKeychainService {
public:
    // store: nullptr uses the process store.
    explicit QOVKeychainService(std::shared_ptr<platform::security::SecretStore> store = nullptr);

    // Replaces the password of an existing item or adds a new item. YES only when the store saved it.
    bool saveGenericPassword(const std::optional<std::string>& password, const std::optional<std::string>& account,
                             const std::optional<std::string>& service) const;
    // The item's password, or nullopt when there is none, it is not UTF-8 text, or the store cannot be read.
    std::optional<std::string> genericPasswordForAccount(const std::optional<std::string>& account,
                                                         const std::optional<std::string>& service) const;
    // Deletes every item of the service. YES only when items were deleted.
    bool deleteService(const std::optional<std::string>& service) const;

private:
    std::shared_ptr<platform::security::SecretStore> m_store;
};

}  // namespace qov
