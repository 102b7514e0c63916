#include <exception>
#include <string_view>

#include "platform/base/Log.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/BinaryPlistReader.h"
#include "platform/storage/KeyedArchiver.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

// Archives larger than this are refused unread.
constexpr std::size_t kMaxArchiveSize = std::size_t{64} << 20;

constexpr std::string_view kClassKey = "$class";

using Ref = BinaryPlistReader::Ref;
using PlistObject = BinaryPlistReader::Object;

// Reads an archive's root in its own way instead of through the registry.
struct RootReader {
    std::string_view className;
    ArchiveRegistry::Factory factory;
};

}  // namespace

// One archived object's keys, indexed once. Classes read their keys in about the order they wrote them, so each
// lookup starts where the previous one ended and usually compares one key.
struct KeyedUnarchiver::Impl {
    struct Entry {
        std::string_view key;
        Ref value;
    };

    const BinaryPlistReader& reader;
    std::vector<Entry> entries;
    std::vector<std::unique_ptr<std::string>> wideKeys;  // UTF-16 keys as UTF-8
    mutable std::size_t cursor = 0;

    Impl(const BinaryPlistReader& listReader, const PlistObject& dictionary) : reader(listReader) {
        entries.reserve(static_cast<std::size_t>(dictionary.count));
        for (std::uint64_t index = 0; index < dictionary.count; ++index) {
            const PlistObject key = reader.object(reader.key(dictionary, index));
            if (key.kind != BinaryPlistReader::Kind::String) {
                continue;
            }
            std::optional<std::string_view> text = reader.asciiView(key);
            if (!text) {
                wideKeys.push_back(std::make_unique<std::string>(reader.stringValue(key)));
                text = *wideKeys.back();
            }
            entries.push_back(Entry{*text, reader.value(dictionary, index)});
        }
        cursor = entries.empty() ? 0 : entries.size() - 1;  // "$class" is written last
    }

    std::optional<PlistObject> item(std::string_view key) const {
        const std::size_t count = entries.size();
        for (std::size_t step = 0, at = cursor; step < count; ++step, at = at + 1 == count ? 0 : at + 1) {
            if (entries[at].key == key) {
                cursor = at;
                return reader.object(entries[at].value);
            }
        }
        return std::nullopt;
    }
    std::optional<PlistObject> item(std::string_view key, BinaryPlistReader::Kind kind) const {
        auto found = item(key);
        return found && found->kind == kind ? found : std::nullopt;
    }
};

class KeyedUnarchiverAccess {
public:
    // The root object of an archive's bytes, or nullptr (and a log line).
    static std::shared_ptr<Object> decodeArchive(std::string_view bytes, const RootReader& rootReader = {}) {
        std::string problem;
        const auto reader = BinaryPlistReader::open(bytes, problem);
        if (!reader) {
            QOV_LOG_WARN("unreadable archive of {} bytes: {}", bytes.size(), problem);
            return nullptr;
        }
        const BinaryPlistReader::Object root = reader->object(reader->top());
        if (root.kind != BinaryPlistReader::Kind::Dictionary) {
            QOV_LOG_WARN("archive whose root is not a dictionary");
            return nullptr;
        }
        return decodeObject(*reader, root, rootReader);
    }

    // The object an archived dictionary describes, or nullptr (and a log line).
    static std::shared_ptr<Object> decodeObject(const BinaryPlistReader& reader,
                                                const BinaryPlistReader::Object& dictionary,
                                                const RootReader& rootReader = {}) {
        auto impl = std::make_unique<KeyedUnarchiver::Impl>(reader, dictionary);
        const auto classNode = impl->item(kClassKey, BinaryPlistReader::Kind::String);
        if (!classNode) {
            QOV_LOG_WARN("archived object without a \"$class\" name");
            return nullptr;
        }
        const std::optional<std::string_view> ascii = reader.asciiView(*classNode);
        const std::string wide = ascii ? std::string() : reader.stringValue(*classNode);
        const std::string_view className = ascii ? *ascii : std::string_view(wide);
        if (rootReader.factory && className != rootReader.className) {
            QOV_LOG_WARN("archived object of class \"{}\" where \"{}\" was expected", className, rootReader.className);
            return nullptr;
        }
        const ArchiveRegistry::Factory factory =
            rootReader.factory ? rootReader.factory : ArchiveRegistry::factoryFor(className);
        if (!factory) {
            QOV_LOG_WARN("archived object of unknown class \"{}\"", className);
            return nullptr;
        }
        const KeyedUnarchiver coder(std::move(impl));
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

    // Any object as a value: dictionaries holding "$class" are objects; unreadable objects are null and left out
    // of their containers.
    static Value decodeValue(const BinaryPlistReader& reader, Ref ref) {
        return reader.toValue(ref, [&reader](Ref dictionaryRef) -> std::optional<Value> {
            const BinaryPlistReader::Object dictionary = reader.object(dictionaryRef);
            for (std::uint64_t index = dictionary.count; index-- > 0;) {  // "$class" is written last
                const BinaryPlistReader::Object key = reader.object(reader.key(dictionary, index));
                const bool isClassKey =
                    key.kind == BinaryPlistReader::Kind::String &&
                    (key.utf16 ? reader.stringValue(key) == kClassKey : reader.asciiView(key) == kClassKey);
                if (isClassKey) {
                    return Value(decodeObject(reader, dictionary));
                }
            }
            return std::nullopt;
        });
    }
};

KeyedUnarchiver::KeyedUnarchiver(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}

KeyedUnarchiver::~KeyedUnarchiver() = default;

bool KeyedUnarchiver::containsValueForKey(std::string_view key) const { return m_impl->item(key).has_value(); }

std::int64_t KeyedUnarchiver::decodeInteger(std::string_view key) const {
    const auto node = m_impl->item(key, BinaryPlistReader::Kind::Integer);
    return node ? m_impl->reader.integerValue(*node) : 0;
}

bool KeyedUnarchiver::decodeBool(std::string_view key) const {
    const auto node = m_impl->item(key, BinaryPlistReader::Kind::Bool);
    return node && m_impl->reader.boolValue(*node);
}

double KeyedUnarchiver::decodeDouble(std::string_view key) const {
    const auto node = m_impl->item(key, BinaryPlistReader::Kind::Real);
    return node ? m_impl->reader.realValue(*node).value_or(0.0) : 0.0;
}

std::string KeyedUnarchiver::decodeString(std::string_view key) const {
    const auto node = m_impl->item(key, BinaryPlistReader::Kind::String);
    return node ? m_impl->reader.stringValue(*node) : std::string();
}

std::optional<Date> KeyedUnarchiver::decodeDate(std::string_view key) const {
    const auto node = m_impl->item(key, BinaryPlistReader::Kind::Date);
    return node ? m_impl->reader.dateValue(*node) : std::nullopt;
}

Data KeyedUnarchiver::decodeData(std::string_view key) const {
    const auto node = m_impl->item(key, BinaryPlistReader::Kind::Data);
    if (!node) {
        return {};
    }
    const std::string_view bytes = m_impl->reader.dataValue(*node);
    return Data(bytes.begin(), bytes.end());
}

std::shared_ptr<Object> KeyedUnarchiver::decodeObject(std::string_view key) const {
    const auto node = m_impl->item(key, BinaryPlistReader::Kind::Dictionary);
    return node ? KeyedUnarchiverAccess::decodeObject(m_impl->reader, *node) : nullptr;
}

Value KeyedUnarchiver::decodeValue(std::string_view key) const {
    if (!m_impl->item(key)) {
        return Value();
    }
    return KeyedUnarchiverAccess::decodeValue(m_impl->reader, m_impl->entries[m_impl->cursor].value);
}

std::shared_ptr<Object> KeyedUnarchiver::unarchiveObjectWithData(const Data& data) {
    const std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
    return KeyedUnarchiverAccess::decodeArchive(bytes);
}

std::shared_ptr<Object> KeyedUnarchiver::unarchiveObjectWithFile(const std::filesystem::path& file) {
    return unarchiveObjectWithFile(file, {}, {});
}

std::shared_ptr<Object> KeyedUnarchiver::unarchiveObjectWithFile(
    const std::filesystem::path& file, std::string_view className,
    const std::function<std::shared_ptr<Object>(const KeyedUnarchiver&)>& factory) {
    const auto bytes = AtomicFile::read(file, kMaxArchiveSize);
    if (!bytes) {
        QOV_LOG_INFO("no readable archive at {}", file.string());
        return nullptr;
    }
    return KeyedUnarchiverAccess::decodeArchive(*bytes, RootReader{className, factory});
}

}  // namespace platform
