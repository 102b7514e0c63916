#include "platform/storage/UserDefaults.h"

#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <mutex>
#include <optional>
#include <system_error>
#include <utility>

#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/AtomicFile.h"
#include "platform/storage/Bundle.h"
#include "platform/storage/PrivateFolder.h"
#include "platform/storage/PropertyList.h"

QOV_LOG_LEVEL(15)

namespace platform {

namespace {

constexpr std::size_t kMaxFileSize = std::size_t{16} << 20;
constexpr const char* kFallbackBundleIdentifier = "com.qovara.Qovara";

ProcessSlot<UserDefaults>& standardSlot() {
    static ProcessSlot<UserDefaults> slot;
    return slot;
}

// The value as the file will hold it: objects and dates a property list cannot hold are left out (null at the
// top), dates keep whole seconds, nesting stops at the depth the reader accepts.
Value storable(const Value& value, int depth) {
    switch (value.kind()) {
        case Value::Kind::Object:
            QOV_LOG_ERROR("user defaults cannot hold an object of class {}; store its archive",
                          (*value.ifObject())->className());
            return Value();
        case Value::Kind::Date: {
            const Date whole{std::round(value.ifDate()->secondsSince1970)};
            if (!PropertyList::fromDate(whole)) {
                QOV_LOG_ERROR("user defaults cannot hold the date {}", whole.secondsSince1970);
                return Value();
            }
            return Value(whole);
        }
        case Value::Kind::Array:
        case Value::Kind::Dictionary:
            if (depth > PropertyList::kMaxDepth) {
                QOV_LOG_ERROR("user defaults cannot hold containers nested deeper than {}", PropertyList::kMaxDepth);
                return Value();
            }
            if (const auto* array = value.ifArray()) {
                Array result;
                for (const auto& element : *array) {
                    if (Value stored = storable(element, depth + 1); !stored.isNull()) {
                        result.push_back(std::move(stored));
                    }
                }
                return Value(std::move(result));
            } else {
                Dictionary result;
                for (const auto& [key, element] : *value.ifDictionary()) {
                    if (Value stored = storable(element, depth + 1); !stored.isNull()) {
                        result.emplace(key, std::move(stored));
                    }
                }
                return Value(std::move(result));
            }
        default: return value;
    }
}

// The defaults stored in file; empty when there are none, after moving an unreadable file aside. A file that
// cannot be looked at is left alone, with the reason in unusable.
Dictionary load(const std::filesystem::path& file, std::string& unusable) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) {
        // Missing, or a file where a folder should be (which a write reports): no defaults yet.
        if (errno != ENOENT && errno != ENOTDIR) {
            unusable = "cannot look at the user defaults " + file.string() + ": " + std::strerror(errno);
            QOV_LOG_ERROR("{}; they are left alone and not written", unusable);
        }
        return {};
    }
    const auto bytes = AtomicFile::read(file, kMaxFileSize);
    if (bytes && bytes->empty()) {
        QOV_LOG_WARN("empty user defaults {}", file.string());
        return {};
    }
    std::string problem = "unreadable file";
    PlistNode root;
    if (bytes) {
        root = bytes->starts_with("bplist") ? PropertyList::parseBinary(*bytes, problem)
                                            : PropertyList::parseXml(*bytes, problem);
    }
    const Value value = root ? PropertyList::toValue(root.get()) : Value();
    if (const auto* dictionary = value.ifDictionary()) {
        return *dictionary;
    }
    AtomicFile::moveAside(file, "user defaults", root ? std::string_view("wrong root kind") : problem);
    return {};
}

}  // namespace

struct UserDefaults::State {
    const std::filesystem::path file;
    std::string unusable;  // set once, when the file is read
    std::mutex mutex;      // guards values and the two flags
    Dictionary values;
    bool dirty = false;        // changed since the last write
    bool writePosted = false;  // a write waits on the run loop
    std::mutex writeMutex;     // one write at a time, in the order of their snapshots

    explicit State(std::filesystem::path path) : file(std::move(path)), values(load(file, unusable)) {}

    bool write() {
        const std::lock_guard writing(writeMutex);
        Dictionary snapshot;
        {
            const std::lock_guard lock(mutex);
            writePosted = false;
            if (!dirty) {
                return true;
            }
            if (!unusable.empty()) {
                QOV_LOG_ERROR("the user defaults are not written: {}", unusable);
                return false;
            }
            dirty = false;
            snapshot = values;
        }
        const PlistNode root = PropertyList::fromValue(Value(std::move(snapshot)));
        const auto text = root ? PropertyList::xmlText(root.get()) : std::nullopt;
        if (const std::error_code error = PrivateFolder::ensurePath(file.parent_path())) {
            QOV_LOG_ERROR("cannot make the folder of the user defaults {}: {}", file.string(), error.message());
        }
        if (text && AtomicFile::write(file, *text)) {
            return true;
        }
        QOV_LOG_ERROR("cannot write the user defaults {}", file.string());
        const std::lock_guard lock(mutex);
        dirty = true;  // the next change or synchronize() tries again
        return false;
    }
};

UserDefaults::UserDefaults(std::filesystem::path file) : m_state(std::make_shared<State>(std::move(file))) {}

UserDefaults::~UserDefaults() { m_state->write(); }

std::shared_ptr<UserDefaults> UserDefaults::standard() {
    return standardSlot().instance([] {
        std::string identifier = Bundle::main().objectForInfoDictionaryKey("CFBundleIdentifier").stringValue();
        if (identifier.empty() || identifier.find('/') != std::string::npos || identifier.starts_with('.')) {
            identifier = kFallbackBundleIdentifier;
        }
        return std::make_shared<UserDefaults>(AppDirectories::shared()->preferencesDirectory() /
                                              (identifier + ".plist"));
    });
}

void UserDefaults::resetStandard(std::shared_ptr<UserDefaults> defaults) {
    const auto previous = standardSlot().exchange(std::move(defaults));
    // previous may write its pending changes here, outside the lock.
}

const std::filesystem::path& UserDefaults::file() const { return m_state->file; }

const std::string& UserDefaults::unusableReason() const { return m_state->unusable; }

Value UserDefaults::objectForKey(std::string_view key) const {
    const std::lock_guard lock(m_state->mutex);
    const Value* value = valueForKey(m_state->values, key);
    return value ? *value : Value();
}

std::string UserDefaults::stringForKey(std::string_view key) const { return objectForKey(key).stringValue(); }

std::int64_t UserDefaults::integerForKey(std::string_view key) const { return objectForKey(key).integerValue(); }

bool UserDefaults::boolForKey(std::string_view key) const { return objectForKey(key).boolValue(); }

double UserDefaults::doubleForKey(std::string_view key) const { return objectForKey(key).doubleValue(); }

Data UserDefaults::dataForKey(std::string_view key) const {
    const Value value = objectForKey(key);
    return value.ifData() ? *value.ifData() : Data();
}

Array UserDefaults::arrayForKey(std::string_view key) const {
    const Value value = objectForKey(key);
    return value.ifArray() ? *value.ifArray() : Array();
}

Dictionary UserDefaults::dictionaryForKey(std::string_view key) const {
    const Value value = objectForKey(key);
    return value.ifDictionary() ? *value.ifDictionary() : Dictionary();
}

void UserDefaults::setObject(const Value& value, std::string_view key) {
    if (value.isNull()) {
        removeObjectForKey(key);
        return;
    }
    Value stored = storable(value, 1);
    if (stored.isNull()) {
        return;
    }
    {
        const std::lock_guard lock(m_state->mutex);
        const auto found = m_state->values.find(key);
        if (found != m_state->values.end() && found->second == stored) {
            return;
        }
        m_state->values.insert_or_assign(std::string(key), std::move(stored));
    }
    changed();
}

void UserDefaults::setString(const std::string& value, std::string_view key) { setObject(Value(value), key); }

void UserDefaults::setInteger(std::int64_t value, std::string_view key) { setObject(Value(value), key); }

void UserDefaults::setBool(bool value, std::string_view key) { setObject(Value(value), key); }

void UserDefaults::setDouble(double value, std::string_view key) { setObject(Value(value), key); }

void UserDefaults::removeObjectForKey(std::string_view key) {
    {
        const std::lock_guard lock(m_state->mutex);
        const auto found = m_state->values.find(key);
        if (found == m_state->values.end()) {
            return;
        }
        m_state->values.erase(found);
    }
    changed();
}

void UserDefaults::removeDamagedObjectForKey(std::string_view key, std::string_view problem) {
    const Value value = objectForKey(key);
    std::optional<std::string> bytes;
    if (const auto* data = value.ifData()) {
        bytes.emplace(data->begin(), data->end());
    } else if (const PlistNode root = PropertyList::fromValue(value)) {
        bytes = PropertyList::xmlText(root.get());
    }
    if (!bytes) {
        return;  // nothing stored, or nothing a file can hold
    }
    // The dot and the key are appended to the path one by one: `"." + std::string(key)` inserts the dot at the
    // front, and there GCC 12 at -O2 cannot rule out insert's branch for a source inside the string's own buffer,
    // where it sees a copy of up to SIZE_MAX bytes (-Wstringop-overflow; unreachable for a literal).
    std::filesystem::path aside = m_state->file;
    aside += '.';
    aside += key;
    if (const std::error_code error = PrivateFolder::ensurePath(m_state->file.parent_path())) {
        QOV_LOG_ERROR("cannot make the folder of the user defaults {}: {}", m_state->file.string(), error.message());
    }
    if (AtomicFile::keepAside(aside, *bytes, "stored value \"" + std::string(key) + "\"", problem)) {
        removeObjectForKey(key);
    }
}

bool UserDefaults::synchronize() { return m_state->write(); }

void UserDefaults::changed() {
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->dirty = true;
        if (m_state->writePosted) {
            return;
        }
        m_state->writePosted = true;
    }
    dispatchMain([weak = std::weak_ptr<State>(m_state)] {
        if (const auto state = weak.lock()) {
            state->write();
        }
    });
}

}  // namespace platform
