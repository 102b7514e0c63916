#include "platform/ui/Responder.h"

#include "platform/base/ProcessInstance.h"

namespace platform::ui {

namespace {

std::weak_ptr<Responder>& current() {
    static NeverDestroyed<std::weak_ptr<Responder>> responder;
    return *responder;
}

}  // namespace

bool Responder::becomeFirstResponder() {
    if (!canBecomeFirstResponder()) {
        return false;
    }
    if (isFirstResponder()) {
        return true;
    }
    if (auto previous = current().lock(); previous && !previous->resignFirstResponder()) {
        return false;
    }
    current() = weak_from_this();
    return true;
}

bool Responder::resignFirstResponder() {
    if (!isFirstResponder()) {
        return true;
    }
    if (!shouldResignFirstResponder()) {
        return false;
    }
    current().reset();
    didResignFirstResponder();
    return true;
}

bool Responder::isFirstResponder() const { return current().lock().get() == this; }

std::shared_ptr<Responder> Responder::firstResponder() { return current().lock(); }

}  // namespace platform::ui
