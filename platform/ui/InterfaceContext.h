#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "platform/ui/Responder.h"

namespace platform::ui {

// What an interface-file builder works with while it loads: the file's owner and the objects it makes.
// A builder makes every object through make() or makeTopLevel(), connects the outlets (plain assignments
// to the owner's or the objects' members) and the actions; awakeFromNib() follows once all are connected.
class InterfaceContext {
public:
    explicit InterfaceContext(std::shared_ptr<Responder> owner) : m_owner(std::move(owner)) {}

    const std::shared_ptr<Responder>& owner() const { return m_owner; }
    // The owner as T, or nullptr when there is none or it is of another class.
    template <typename T>
    std::shared_ptr<T> ownerAs() const {
        return std::dynamic_pointer_cast<T>(m_owner);
    }

    template <typename T, typename... Args>
    std::shared_ptr<T> make(Args&&... args) {
        auto object = std::make_shared<T>(std::forward<Args>(args)...);
        m_objects.push_back(object);
        return object;
    }
    // An object the load answers, in the order made.
    template <typename T, typename... Args>
    std::shared_ptr<T> makeTopLevel(Args&&... args) {
        auto object = make<T>(std::forward<Args>(args)...);
        m_topLevelObjects.push_back(object);
        return object;
    }

    const std::vector<std::shared_ptr<Responder>>& objects() const { return m_objects; }
    const std::vector<std::shared_ptr<Responder>>& topLevelObjects() const { return m_topLevelObjects; }

private:
    std::shared_ptr<Responder> m_owner;
    std::vector<std::shared_ptr<Responder>> m_objects;
    std::vector<std::shared_ptr<Responder>> m_topLevelObjects;
};

}  // namespace platform::ui
