#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/Value.h"
#include "platform/security/SecretStatus.h"

namespace platform {
class AppDirectories;
}

namespace platform::security {

// Stands in for the platform keychain: generic-password items, each a secret value (bytes) under a service and
// an account (any texts, empty ones and any bytes included). Every store of one home shares the file
// "<home>/Library/Keychains/secrets.plist" (folder mode 0700, file mode 0600): a binary property list, an array
// of dictionaries whose "service", "account" and "value" are data. Each operation reads the file and each change
// writes it atomically (temporary file, then rename), so a change is answered Success only once it is on disk,
// and stores of the same home see each other's changes. A file that is not such a list is moved aside to
// "secrets.plist.corrupt-<seconds since 1970>", logged, and the store starts empty; a file that cannot be read
// or written answers IOError and is left as it is. Thread-safe within the process.
class SecretStore {
public:
    static constexpr const char* kFileName = "secrets.plist";

    // directories: whose home holds the file; nullptr follows AppDirectories::shared() (looked up at each
    // operation, so a new home takes effect at once).
    explicit SecretStore(std::shared_ptr<AppDirectories> directories = nullptr);

    // The process store, following AppDirectories::shared().
    static std::shared_ptr<SecretStore> shared();

    std::filesystem::path file() const;

    // Adds a new item; DuplicateItem when one with that service and account exists.
    SecretStatus add(std::string_view service, std::string_view account, const Data& value);
    // Replaces the value of the existing item; ItemNotFound when there is none.
    SecretStatus update(std::string_view service, std::string_view account, const Data& value);
    // Looks the item up and, when value is given, copies its value there; ItemNotFound when there is none.
    SecretStatus copyMatching(std::string_view service, std::string_view account, Data* value = nullptr) const;
    // Deletes the item of that account, or with no account every item of the service; ItemNotFound when none
    // matches.
    SecretStatus remove(std::string_view service, std::optional<std::string_view> account = std::nullopt);

private:
    struct Item {
        std::string service;
        std::string account;
        Data value;
    };

    // The items on disk (none when the file is missing or was moved aside); IOError when it cannot be read.
    SecretStatus load(const std::filesystem::path& file, std::vector<Item>& items) const;
    SecretStatus save(const std::filesystem::path& file, const std::vector<Item>& items) const;

    std::shared_ptr<AppDirectories> m_directories;
};

}  // namespace platform::security
