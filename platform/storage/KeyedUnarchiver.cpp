#include <plist/plist.h>

#include <exception>

#include "platform/base/Log.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/KeyedArchiver.h"
#include "platform/storage/PropertyList.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

// Archives larger than this are refused unread.
constexpr std::size_t kMaxArchiveSize = std::size_t{64} << 20;

}  // namespace

struct KeyedUnarchiver::Impl {
    plist_t dictionary = nullptr;  // owned by the tree being read

    plist_t item(std::string_view key) const {
        return plist_dict_get_item(dictionary, std::string(key).c_str());
    }
    plist_t item(std::string_view key, plist_type type) const {
        const plist_t node = item(key);
        return node != nullptr && plist_get_node_type(node) == type ? node : nullptr;
    }
};

class KeyedUnarchiverAccess {
public:
    // The root object of an archive's bytes, or nullptr (and a log line).
    static std::shared_ptr<Object> decodeArchive(std::string_view bytes) {
        std::string problem;
        const PlistNode root = PropertyList::parseBinary(bytes, problem);
        if (!root) {
            QOV_LOG_WARN("unreadable archive of {} bytes: {}", bytes.size(), problem);
            return nullptr;
        }
        if (plist_get_node_type(root.get()) != PLIST_DICT) {
            QOV_LOG_WARN("archive whose root is not a dictionary");
            return nullptr;
        }
        return decodeObject(root.get());
    }

    // The object an archived dictionary describes, or nullptr (and a log line).
    static std::shared_ptr<Object> decodeObject(plist_t dictionary) {
        const plist_t classNode = plist_dict_get_item(dictionary, "$class");
        if (classNode == nullptr || plist_get_node_type(classNode) != PLIST_STRING) {
            QOV_LOG_WARN("archived object without a \"$class\" name");
            return nullptr;
        }
        const std::string className = PropertyList::toValue(classNode).stringValue();
        const ArchiveRegistry::Factory factory = ArchiveRegistry::factoryFor(className);
        if (!factory) {
            QOV_LOG_WARN("archived object of unknown class \"{}\"", className);
            return nullptr;
        }
        const KeyedUnarchiver coder(std::make_unique<KeyedUnarchiver::Impl>(KeyedUnarchiver::Impl{dictionary}));
        try {
            auto object = factory(coder);
            if (!object) {
                QOV_LOG_WARN("archived object of class \"{}\" could not be rebuilt", className);
            }
            return object;
        } catch (const std::exception& error) {
            QOV_LOG_ERROR("archived object of class \"{}\" could not be rebuilt: {}", className, error.what());
            return nullptr;
        }
    }

    // Any node as a value: dictionaries holding "$class" are objects; unreadable objects are null and left out
    // of their containers.
    static Value decodeValue(plist_t node) {
        return PropertyList::toValue(node, [](void* dictionary) -> std::optional<Value> {
            const auto node = static_cast<plist_t>(dictionary);
            if (plist_dict_get_item(node, "$class") == nullptr) {
                return std::nullopt;
            }
            return Value(decodeObject(node));
        });
    }
};

KeyedUnarchiver::KeyedUnarchiver(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

KeyedUnarchiver::~KeyedUnarchiver() = default;

bool KeyedUnarchiver::containsValueForKey(std::string_view key) const { return m_impl->item(key) != nullptr; }

std::int64_t KeyedUnarchiver::decodeInteger(std::string_view key) const {
    const plist_t node = m_impl->item(key, PLIST_UINT);
    return node ? PropertyList::toValue(node).integerValue() : 0;
}

bool KeyedUnarchiver::decodeBool(std::string_view key) const {
    const plist_t node = m_impl->item(key, PLIST_BOOLEAN);
    return node ? PropertyList::toValue(node).boolValue() : false;
}

double KeyedUnarchiver::decodeDouble(std::string_view key) const {
    const plist_t node = m_impl->item(key, PLIST_REAL);
    return node ? PropertyList::toValue(node).doubleValue() : 0.0;
}

std::string KeyedUnarchiver::decodeString(std::string_view key) const {
    const plist_t node = m_impl->item(key, PLIST_STRING);
    return node ? PropertyList::toValue(node).stringValue() : std::string();
}

std::optional<Date> KeyedUnarchiver::decodeDate(std::string_view key) const {
    const plist_t node = m_impl->item(key, PLIST_DATE);
    return node ? PropertyList::toDate(node) : std::nullopt;
}

Data KeyedUnarchiver::decodeData(std::string_view key) const {
    const plist_t node = m_impl->item(key, PLIST_DATA);
    if (!node) {
        return {};
    }
    const Value value = PropertyList::toValue(node);
    return *value.ifData();
}

std::shared_ptr<Object> KeyedUnarchiver::decodeObject(std::string_view key) const {
    const plist_t node = m_impl->item(key, PLIST_DICT);
    return node ? KeyedUnarchiverAccess::decodeObject(node) : nullptr;
}

Value KeyedUnarchiver::decodeValue(std::string_view key) const {
    const plist_t node = m_impl->item(key);
    return node ? KeyedUnarchiverAccess::decodeValue(node) : Value();
}

std::shared_ptr<Object> KeyedUnarchiver::unarchiveObjectWithData(const Data& data) {
    const std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
    return KeyedUnarchiverAccess::decodeArchive(bytes);
}

std::shared_ptr<Object> KeyedUnarchiver::unarchiveObjectWithFile(const std::filesystem::path& file) {
    const auto bytes = AtomicFile::read(file, kMaxArchiveSize);
    if (!bytes) {
        QOV_LOG_INFO("no readable archive at {}", file.string());
        return nullptr;
    }
    return KeyedUnarchiverAccess::decodeArchive(*bytes);
}

}  // namespace platform
