#include "platform/storage/KeyedArchiver.h"

#include <algorithm>

#include "platform/base/Log.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/BinaryPlistWriter.h"
#include "platform/storage/PropertyList.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

using Ref = BinaryPlistWriter::Ref;

// What the coders of one archive share: the list being written, and whether part of it cannot be written.
struct ArchiveState {
    BinaryPlistWriter writer;
    bool failed = false;
};

}  // namespace

struct KeyedArchiver::Impl {
    std::shared_ptr<ArchiveState> archive;
    // How many containers enclose this object's keys, its own dictionary included.
    int depth = 1;
    // The object's keys and values in the order encoded; a key encoded again replaces its value.
    std::vector<std::pair<Ref, Ref>> entries;
    // One bit per key reference modulo 64: a key whose bit is clear has not been encoded yet.
    std::uint64_t keysSeen = 0;

    BinaryPlistWriter& writer() {
        if (!archive) {
            archive = std::make_shared<ArchiveState>();
        }
        return archive->writer;
    }

    void put(std::string_view key, std::optional<Ref> value) {
        const Ref keyRef = writer().addString(key);
        const std::uint64_t bit = std::uint64_t{1} << (keyRef % 64);
        if ((keysSeen & bit) == 0) {
            if (value) {
                entries.emplace_back(keyRef, *value);
                keysSeen |= bit;
            }
            return;
        }
        const auto existing =
            std::find_if(entries.begin(), entries.end(), [keyRef](const auto& entry) { return entry.first == keyRef; });
        if (!value) {
            if (existing != entries.end()) {
                entries.erase(existing);
            }
        } else if (existing != entries.end()) {
            existing->second = *value;
        } else {
            entries.emplace_back(keyRef, *value);
        }
    }
};

class KeyedArchiverAccess {
public:
    // The dictionary of one object at the given depth: its keys and "$class".
    static std::optional<Ref> encodeObject(const Archivable& object, int depth,
                                           const std::shared_ptr<ArchiveState>& archive) {
        if (!admits(depth, *archive)) {
            return std::nullopt;
        }
        KeyedArchiver coder;
        coder.m_impl->entries.reserve(32);
        coder.m_impl->depth = depth;
        coder.m_impl->archive = archive;
        object.encodeWithCoder(coder);
        coder.m_impl->put("$class", archive->writer.addString(object.className()));
        return archive->writer.addDictionary(coder.m_impl->entries);
    }

    // The object of a value at the given depth; nullopt leaves it out of its archive.
    static std::optional<Ref> encodeValue(const Value& value, int depth, const std::shared_ptr<ArchiveState>& archive) {
        BinaryPlistWriter::ValueHooks hooks;
        hooks.object = [&archive](const ObjectPtr& object, int at) -> std::optional<Ref> {
            const auto archivable = std::dynamic_pointer_cast<const Archivable>(object);
            if (!archivable) {
                QOV_LOG_WARN("left out an object of class {} that cannot be archived", object->className());
                return std::nullopt;
            }
            return encodeObject(*archivable, at, archive);
        };
        hooks.admits = [&archive](int at) { return admits(at, *archive); };
        return archive->writer.addValue(value, depth, hooks);
    }

    static std::optional<std::string> archiveBytes(const Archivable& root) {
        const auto archive = std::make_shared<ArchiveState>();
        const auto top = encodeObject(root, 1, archive);
        if (archive->failed || !top) {
            QOV_LOG_ERROR("cannot archive an object of class {}", root.className());
            return std::nullopt;
        }
        return archive->writer.finish(*top);
    }

    static void put(KeyedArchiver& coder, std::string_view key, const Value& value) {
        coder.m_impl->writer();
        coder.m_impl->put(key, encodeValue(value, coder.m_impl->depth + 1, coder.m_impl->archive));
    }

private:
    // Archives nest no deeper than readers accept, which also ends reference cycles.
    static bool admits(int depth, ArchiveState& archive) {
        if (depth <= PropertyList::kMaxDepth) {
            return true;
        }
        if (!archive.failed) {
            QOV_LOG_ERROR("archive nests deeper than {} levels (a reference cycle?)", PropertyList::kMaxDepth);
        }
        archive.failed = true;
        return false;
    }
};

KeyedArchiver::KeyedArchiver() : m_impl(std::make_unique<Impl>()) {}

KeyedArchiver::~KeyedArchiver() = default;

void KeyedArchiver::encodeInteger(std::int64_t value, std::string_view key) {
    m_impl->put(key, m_impl->writer().addInteger(value));
}

void KeyedArchiver::encodeBool(bool value, std::string_view key) { m_impl->put(key, m_impl->writer().addBool(value)); }

void KeyedArchiver::encodeDouble(double value, std::string_view key) {
    m_impl->put(key, m_impl->writer().addReal(value));
}

void KeyedArchiver::encodeString(const std::string& value, std::string_view key) {
    m_impl->put(key, m_impl->writer().addString(value));
}

void KeyedArchiver::encodeDate(std::optional<Date> value, std::string_view key) {
    KeyedArchiverAccess::put(*this, key, value ? Value(*value) : Value());
}

void KeyedArchiver::encodeData(const Data& value, std::string_view key) {
    KeyedArchiverAccess::put(*this, key, Value(value));
}

void KeyedArchiver::encodeObject(const std::shared_ptr<const Archivable>& object, std::string_view key) {
    m_impl->writer();
    m_impl->put(key,
                object ? KeyedArchiverAccess::encodeObject(*object, m_impl->depth + 1, m_impl->archive) : std::nullopt);
}

void KeyedArchiver::encodeValue(const Value& value, std::string_view key) {
    KeyedArchiverAccess::put(*this, key, value);
}

std::optional<Data> KeyedArchiver::archivedDataWithRootObject(const Archivable& root) {
    const auto bytes = KeyedArchiverAccess::archiveBytes(root);
    if (!bytes) {
        return std::nullopt;
    }
    return Data(bytes->begin(), bytes->end());
}

bool KeyedArchiver::archiveRootObject(const Archivable& root, const std::filesystem::path& file) {
    const auto bytes = KeyedArchiverAccess::archiveBytes(root);
    return bytes && AtomicFile::write(file, *bytes);
}

}  // namespace platform
