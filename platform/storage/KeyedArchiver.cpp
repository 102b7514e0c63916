#include "platform/storage/KeyedArchiver.h"

#include <plist/plist.h>

#include "platform/base/Log.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/PropertyList.h"

QOV_LOG_LEVEL(15)

namespace platform {

struct KeyedArchiver::Impl {
    PlistNode dictionary{plist_new_dict()};
    // How many containers enclose this object's keys, its own dictionary included.
    int depth = 1;
    // Shared by every coder of one archive: set when part of it cannot be written.
    std::shared_ptr<bool> failed = std::make_shared<bool>(false);

    void put(std::string_view key, PlistNode node) {
        const std::string name(key);
        if (node) {
            plist_dict_set_item(dictionary.get(), name.c_str(), node.release());
        } else if (plist_dict_get_item(dictionary.get(), name.c_str()) != nullptr) {
            plist_dict_remove_item(dictionary.get(), name.c_str());
        }
    }
};

class KeyedArchiverAccess {
public:
    // The dictionary of one object at the given depth: its keys and "$class".
    static PlistNode encodeObject(const Archivable& object, int depth, const std::shared_ptr<bool>& failed) {
        if (!admits(depth, failed)) {
            return nullptr;
        }
        KeyedArchiver coder;
        coder.m_impl->depth = depth;
        coder.m_impl->failed = failed;
        object.encodeWithCoder(coder);
        coder.m_impl->put("$class", PlistNode(plist_new_string(object.className().c_str())));
        return std::move(coder.m_impl->dictionary);
    }

    // The node of a value at the given depth; nullptr leaves it out of its archive.
    static PlistNode encodeValue(const Value& value, int depth, const std::shared_ptr<bool>& failed) {
        switch (value.kind()) {
            case Value::Kind::Object: {
                const auto object = std::dynamic_pointer_cast<const Archivable>(*value.ifObject());
                if (!object) {
                    QOV_LOG_WARN("left out an object of class {} that cannot be archived",
                                 (*value.ifObject())->className());
                    return nullptr;
                }
                return encodeObject(*object, depth, failed);
            }
            case Value::Kind::Array: {
                if (!admits(depth, failed)) {
                    return nullptr;
                }
                PlistNode array(plist_new_array());
                for (const auto& element : *value.ifArray()) {
                    if (auto node = encodeValue(element, depth + 1, failed)) {
                        plist_array_append_item(array.get(), node.release());
                    }
                }
                return array;
            }
            case Value::Kind::Dictionary: {
                if (!admits(depth, failed)) {
                    return nullptr;
                }
                PlistNode dictionary(plist_new_dict());
                for (const auto& [key, element] : *value.ifDictionary()) {
                    if (auto node = encodeValue(element, depth + 1, failed)) {
                        plist_dict_set_item(dictionary.get(), key.c_str(), node.release());
                    }
                }
                return dictionary;
            }
            case Value::Kind::Date: {
                auto node = PropertyList::fromDate(*value.ifDate());
                if (!node) {
                    QOV_LOG_WARN("left out a date that a property list cannot hold ({})",
                                 value.ifDate()->secondsSince1970);
                }
                return node;
            }
            default:
                return PropertyList::fromValue(value);
        }
    }

private:
    // Archives nest no deeper than readers accept, which also ends reference cycles.
    static bool admits(int depth, const std::shared_ptr<bool>& failed) {
        if (depth <= PropertyList::kMaxDepth) {
            return true;
        }
        if (!*failed) {
            QOV_LOG_ERROR("archive nests deeper than {} levels (a reference cycle?)", PropertyList::kMaxDepth);
        }
        *failed = true;
        return false;
    }
};

KeyedArchiver::KeyedArchiver() : m_impl(std::make_unique<Impl>()) {}

KeyedArchiver::~KeyedArchiver() = default;

void KeyedArchiver::encodeInteger(std::int64_t value, std::string_view key) {
    m_impl->put(key, PropertyList::fromValue(Value(value)));
}

void KeyedArchiver::encodeBool(bool value, std::string_view key) {
    m_impl->put(key, PropertyList::fromValue(Value(value)));
}

void KeyedArchiver::encodeDouble(double value, std::string_view key) {
    m_impl->put(key, PropertyList::fromValue(Value(value)));
}

void KeyedArchiver::encodeString(const std::string& value, std::string_view key) {
    m_impl->put(key, PropertyList::fromValue(Value(value)));
}

void KeyedArchiver::encodeDate(std::optional<Date> value, std::string_view key) {
    encodeValue(value ? Value(*value) : Value(), key);
}

void KeyedArchiver::encodeData(const Data& value, std::string_view key) {
    m_impl->put(key, PropertyList::fromValue(Value(value)));
}

void KeyedArchiver::encodeObject(const std::shared_ptr<const Archivable>& object, std::string_view key) {
    m_impl->put(key, object ? KeyedArchiverAccess::encodeObject(*object, m_impl->depth + 1, m_impl->failed)
                            : nullptr);
}

void KeyedArchiver::encodeValue(const Value& value, std::string_view key) {
    m_impl->put(key, KeyedArchiverAccess::encodeValue(value, m_impl->depth + 1, m_impl->failed));
}

std::optional<Data> KeyedArchiver::archivedDataWithRootObject(const Archivable& root) {
    const auto failed = std::make_shared<bool>(false);
    const PlistNode dictionary = KeyedArchiverAccess::encodeObject(root, 1, failed);
    if (*failed || !dictionary) {
        QOV_LOG_ERROR("cannot archive an object of class {}", root.className());
        return std::nullopt;
    }
    auto bytes = PropertyList::binaryBytes(dictionary.get());
    if (!bytes) {
        QOV_LOG_ERROR("cannot write the archive of an object of class {}", root.className());
        return std::nullopt;
    }
    return Data(bytes->begin(), bytes->end());
}

bool KeyedArchiver::archiveRootObject(const Archivable& root, const std::filesystem::path& file) {
    const auto data = archivedDataWithRootObject(root);
    if (!data) {
        return false;
    }
    return AtomicFile::write(file, std::string_view(reinterpret_cast<const char*>(data->data()), data->size()));
}

}  // namespace platform
