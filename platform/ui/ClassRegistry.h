#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/base/Object.h"

namespace platform::ui {

// Makes objects by class name (screens and views the application names in data or lists).
class ClassRegistry {
public:
    using Factory = std::function<std::shared_ptr<Object>()>;

    static void registerClass(const std::string& name, Factory factory);
    template <typename T>
    static void registerClass(const std::string& name) {
        registerClass(name, [] { return std::make_shared<T>(); });
    }
    static bool isRegistered(const std::string& name);

    // A new object of the named class, or nullptr (logged) when no class has that name.
    static std::shared_ptr<Object> create(const std::string& name);
    // The same as T; nullptr (logged) when the class is unknown or not a T.
    template <typename T>
    static std::shared_ptr<T> create(const std::string& name) {
        auto made = create(name);
        auto object = std::dynamic_pointer_cast<T>(made);
        if (made && !object) {
            logWrongClass(name);
        }
        return object;
    }

private:
    static void logWrongClass(const std::string& name);
};

}  // namespace platform::ui
