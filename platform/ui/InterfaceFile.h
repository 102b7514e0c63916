#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/InterfaceContext.h"

namespace platform::ui {

// Interface files: named builders that make a view tree, connect its outlets and actions, and then wake
// every object they made. The application registers its files at start-up.
class InterfaceFile {
public:
    using Builder = std::function<void(InterfaceContext&)>;

    // Registers (or replaces) the builder of the file with that name.
    static void registerBuilder(const std::string& name, Builder builder);
    static void unregisterBuilder(const std::string& name);
    static bool exists(const std::string& name);

    // Runs the named file's builder with the owner, then calls awakeFromNib() on every object it made,
    // in the order made (outlets are all connected by then). Answers the top-level objects, or nullopt
    // (logged with the name) when no file has that name.
    static std::optional<std::vector<std::shared_ptr<Responder>>> load(const std::string& name,
                                                                       std::shared_ptr<Responder> owner = nullptr);
    // The first top-level object of the file as T, or nullptr (logged) when the file is unknown, empty or
    // its first object is of another class.
    template <typename T>
    static std::shared_ptr<T> loadFirst(const std::string& name, std::shared_ptr<Responder> owner = nullptr) {
        return std::dynamic_pointer_cast<T>(firstObject(name, std::move(owner)));
    }

private:
    static std::shared_ptr<Responder> firstObject(const std::string& name, std::shared_ptr<Responder> owner);
};

}  // namespace platform::ui
