#include "platform/security/SecretStore.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <system_error>

#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/PrivateFolder.h"
#include "platform/storage/PropertyList.h"

QOV_LOG_LEVEL(15)

namespace platform::security {

namespace {

constexpr std::size_t kMaxFileSize = std::size_t{16} << 20;
constexpr const char* kServiceKey = "service";
constexpr const char* kAccountKey = "account";
constexpr const char* kValueKey = "value";

// One lock for every store of the process: stores of the same home share the file.
std::mutex& fileMutex() {
    static NeverDestroyed<std::mutex> mutex;
    return *mutex;
}

Data bytesOf(std::string_view text) { return Data(text.begin(), text.end()); }

std::string textOf(const Data& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The data under key, or nullptr when it is absent or of another kind.
const Data* dataForKey(const Dictionary& dictionary, std::string_view key) {
    const Value* value = valueForKey(dictionary, key);
    return value ? value->ifData() : nullptr;
}

}  // namespace

SecretStore::SecretStore(std::shared_ptr<AppDirectories> directories) : m_directories(std::move(directories)) {}

std::shared_ptr<SecretStore> SecretStore::shared() {
    static NeverDestroyed<std::shared_ptr<SecretStore>> store(std::make_shared<SecretStore>());
    return *store;
}

std::filesystem::path SecretStore::file() const {
    const auto directories = m_directories ? m_directories : AppDirectories::shared();
    return directories->home() / AppDirectories::kKeychainsFolder / kFileName;
}

SecretStatus SecretStore::add(std::string_view service, std::string_view account, const Data& value) {
    const std::lock_guard lock(fileMutex());
    const auto path = file();
    std::vector<Item> items;
    if (const auto status = load(path, items); status != SecretStatus::Success) {
        return status;
    }
    const bool exists = std::any_of(items.begin(), items.end(), [&](const Item& item) {
        return item.service == service && item.account == account;
    });
    if (exists) {
        return SecretStatus::DuplicateItem;
    }
    items.push_back({std::string(service), std::string(account), value});
    return save(path, items);
}

SecretStatus SecretStore::update(std::string_view service, std::string_view account, const Data& value) {
    const std::lock_guard lock(fileMutex());
    const auto path = file();
    std::vector<Item> items;
    if (const auto status = load(path, items); status != SecretStatus::Success) {
        return status;
    }
    const auto found = std::find_if(items.begin(), items.end(), [&](const Item& item) {
        return item.service == service && item.account == account;
    });
    if (found == items.end()) {
        return SecretStatus::ItemNotFound;
    }
    found->value = value;
    return save(path, items);
}

SecretStatus SecretStore::copyMatching(std::string_view service, std::string_view account, Data* value) const {
    const std::lock_guard lock(fileMutex());
    std::vector<Item> items;
    if (const auto status = load(file(), items); status != SecretStatus::Success) {
        return status;
    }
    const auto found = std::find_if(items.begin(), items.end(), [&](const Item& item) {
        return item.service == service && item.account == account;
    });
    if (found == items.end()) {
        return SecretStatus::ItemNotFound;
    }
    if (value != nullptr) {
        *value = found->value;
    }
    return SecretStatus::Success;
}

SecretStatus SecretStore::remove(std::string_view service, std::optional<std::string_view> account) {
    const std::lock_guard lock(fileMutex());
    const auto path = file();
    std::vector<Item> items;
    if (const auto status = load(path, items); status != SecretStatus::Success) {
        return status;
    }
    const auto removed = std::erase_if(
        items, [&](const Item& item) { return item.service == service && (!account || item.account == *account); });
    if (removed == 0) {
        return SecretStatus::ItemNotFound;
    }
    return save(path, items);
}

SecretStatus SecretStore::load(const std::filesystem::path& path, std::vector<Item>& items) const {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return SecretStatus::Success;
    }
    if (error || status.type() != std::filesystem::file_type::regular) {
        QOV_LOG_ERROR("the secret store {} is not a readable file", path.string());
        return SecretStatus::IOError;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error) {
        QOV_LOG_ERROR("cannot read the secret store {}: {}", path.string(), error.message());
        return SecretStatus::IOError;
    }
    if (size > kMaxFileSize) {
        AtomicFile::moveAside(path, "secret store", "too large");
        return SecretStatus::Success;
    }
    const auto bytes = AtomicFile::read(path, kMaxFileSize);
    if (!bytes) {
        return SecretStatus::IOError;
    }
    std::string problem = "not a property list";
    const PlistNode root = PropertyList::parseBinary(*bytes, problem);
    const Value contents = root ? PropertyList::toValue(root.get()) : Value();
    const Array* entries = contents.ifArray();
    if (entries == nullptr) {
        AtomicFile::moveAside(path, "secret store", root ? "not a list" : problem);
        return SecretStatus::Success;
    }
    std::vector<Item> loaded;
    for (const Value& entry : *entries) {
        const Dictionary* fields = entry.ifDictionary();
        const Data* service = fields ? dataForKey(*fields, kServiceKey) : nullptr;
        const Data* account = fields ? dataForKey(*fields, kAccountKey) : nullptr;
        const Data* value = fields ? dataForKey(*fields, kValueKey) : nullptr;
        if (service == nullptr || account == nullptr || value == nullptr) {
            AtomicFile::moveAside(path, "secret store", "malformed item");
            return SecretStatus::Success;
        }
        loaded.push_back({textOf(*service), textOf(*account), *value});
    }
    items = std::move(loaded);
    return SecretStatus::Success;
}

SecretStatus SecretStore::save(const std::filesystem::path& path, const std::vector<Item>& items) const {
    if (const std::error_code error = PrivateFolder::ensurePath(path.parent_path())) {
        QOV_LOG_ERROR("cannot prepare the folder of the secret store {}: {}", path.string(), error.message());
        return SecretStatus::IOError;
    }
    Array entries;
    entries.reserve(items.size());
    for (const Item& item : items) {
        entries.emplace_back(Dictionary{
            {kServiceKey, bytesOf(item.service)}, {kAccountKey, bytesOf(item.account)}, {kValueKey, item.value}});
    }
    const PlistNode root = PropertyList::fromValue(Value(std::move(entries)));
    const auto bytes = root ? PropertyList::binaryBytes(root.get()) : std::nullopt;
    if (!bytes) {
        QOV_LOG_ERROR("cannot encode the secret store {}", path.string());
        return SecretStatus::IOError;
    }
    // Never replace the file with one the next read would move aside.
    std::string problem;
    if (!PropertyList::parseBinary(*bytes, problem)) {
        QOV_LOG_ERROR("the encoded secret store {} would not read back ({}); not written", path.string(), problem);
        return SecretStatus::IOError;
    }
    return AtomicFile::write(path, *bytes, 0600) ? SecretStatus::Success : SecretStatus::IOError;
}

}  // namespace platform::security
