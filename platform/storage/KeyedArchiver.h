#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/base/Value.h"

namespace platform {

class KeyedArchiver;
class KeyedUnarchiver;

// An object that can be written to a keyed archive. Its class must be registered with ArchiveRegistry under
// className() for it to be read back.
class Archivable : public Object {
public:
    virtual void encodeWithCoder(KeyedArchiver& coder) const = 0;
};

// Archive format: a binary property list whose root is a dictionary holding "$class" (the class name) and one
// entry per archive key. Integers, booleans, doubles, strings, dates and data map to their plist kinds; a
// nested archivable object becomes a dictionary of the same form; arrays and string-keyed dictionaries map
// to plist arrays and dictionaries; a nil object or absent date leaves the key out.
class KeyedArchiver {
public:
    void encodeInteger(std::int64_t value, std::string_view key);
    void encodeBool(bool value, std::string_view key);
    void encodeDouble(double value, std::string_view key);
    void encodeString(const std::string& value, std::string_view key);
    void encodeDate(std::optional<Date> value, std::string_view key);
    void encodeData(const Data& value, std::string_view key);
    void encodeObject(const std::shared_ptr<const Archivable>& object, std::string_view key);
    // Any value kind; objects inside arrays and dictionaries must be Archivable (others are left out).
    void encodeValue(const Value& value, std::string_view key);

    // The archive of root, or nullopt when it cannot be written.
    static std::optional<Data> archivedDataWithRootObject(const Archivable& root);
    // Writes the archive atomically (temporary file, then rename). Answers false on any failure.
    static bool archiveRootObject(const Archivable& root, const std::filesystem::path& file);

    KeyedArchiver();
    ~KeyedArchiver();
    KeyedArchiver(const KeyedArchiver&) = delete;
    KeyedArchiver& operator=(const KeyedArchiver&) = delete;

private:
    friend class KeyedArchiverAccess;
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// Reads one archived object's keys. Absent keys and values of the wrong kind read as the zero value.
class KeyedUnarchiver {
public:
    bool containsValueForKey(std::string_view key) const;
    std::int64_t decodeInteger(std::string_view key) const;
    bool decodeBool(std::string_view key) const;
    double decodeDouble(std::string_view key) const;
    std::string decodeString(std::string_view key) const;
    std::optional<Date> decodeDate(std::string_view key) const;
    Data decodeData(std::string_view key) const;
    // A nested archived object, or nullptr when absent, unknown or unreadable.
    std::shared_ptr<Object> decodeObject(std::string_view key) const;
    template <typename T>
    std::shared_ptr<T> decodeObjectOfClass(std::string_view key) const {
        return std::dynamic_pointer_cast<T>(decodeObject(key));
    }
    // Any value kind, nested objects decoded (unreadable ones left out of their array or dictionary).
    Value decodeValue(std::string_view key) const;
    // The elements of an array that are objects of class T; other elements are skipped.
    template <typename T>
    std::vector<std::shared_ptr<T>> decodeArrayOfClass(std::string_view key) const {
        std::vector<std::shared_ptr<T>> result;
        const Value value = decodeValue(key);
        if (const auto* array = value.ifArray()) {
            for (const auto& element : *array) {
                if (auto object = element.object<T>()) {
                    result.push_back(std::move(object));
                }
            }
        }
        return result;
    }

    // The root object, or nullptr (and a log line) for truncated, corrupt, hostile or unknown input.
    static std::shared_ptr<Object> unarchiveObjectWithData(const Data& data);
    static std::shared_ptr<Object> unarchiveObjectWithFile(const std::filesystem::path& file);
    // The root object read by factory instead of its registered class, or nullptr when the root is not of class
    // className. Nested objects are read only when factory asks for them, so a reader of a few keys pays only for
    // those (and for the structural check of the whole archive).
    static std::shared_ptr<Object> unarchiveObjectWithFile(
        const std::filesystem::path& file, std::string_view className,
        const std::function<std::shared_ptr<Object>(const KeyedUnarchiver&)>& factory);
    template <typename T>
    static std::shared_ptr<T> unarchiveObjectOfClass(const Data& data) {
        return std::dynamic_pointer_cast<T>(unarchiveObjectWithData(data));
    }

    KeyedUnarchiver(const KeyedUnarchiver&) = delete;
    KeyedUnarchiver& operator=(const KeyedUnarchiver&) = delete;
    ~KeyedUnarchiver();

private:
    friend class KeyedUnarchiverAccess;
    struct Impl;
    explicit KeyedUnarchiver(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

// Archivable classes by name, so that archives can hold lists of mixed classes.
class ArchiveRegistry {
public:
    // Builds an object of the class from its keys; answers nullptr when the keys do not make one.
    using Factory = std::function<std::shared_ptr<Object>(const KeyedUnarchiver&)>;

    static void registerClass(const std::string& className, Factory factory);
    static bool isRegistered(const std::string& className);

private:
    friend class KeyedUnarchiverAccess;
    // The factory registered under className, or an empty one.
    static Factory factoryFor(std::string_view className);
};

}  // namespace platform
