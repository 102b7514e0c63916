#pragma once

#include <memory>

#include "platform/base/Object.h"

namespace platform::ui {

// Base of views and view controllers: interface-file wake-up and the first responder (the one object that
// receives typed text).
class Responder : public Object, public std::enable_shared_from_this<Responder> {
public:
    // Called once on every object an interface file creates, after all its outlets are connected.
    virtual void awakeFromNib() {}

    virtual bool canBecomeFirstResponder() const { return false; }
    // Makes this object the first responder after the current one resigned; false when either refused.
    virtual bool becomeFirstResponder();
    virtual bool resignFirstResponder();
    bool isFirstResponder() const;

    static std::shared_ptr<Responder> firstResponder();

protected:
    // Called by resignFirstResponder(): answers whether this object lets go.
    virtual bool shouldResignFirstResponder() { return true; }
    virtual void didResignFirstResponder() {}
};

}  // namespace platform::ui
