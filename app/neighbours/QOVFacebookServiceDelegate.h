#pragma once

#include "platform/base/Value.h"

namespace qov {

// Told how a Facebook sign-in ended and when the user's record arrived; every operation is optional.
class QOVFacebookServiceDelegate {
public:
    virtual ~QOVFacebookServiceDelegate() = default;
    virtual void facebookLoginSuccessful() {}
    virtual void facebookLoginCancelled() {}
    virtual void facebookLoginFailed() {}
    virtual void facebookUserDataReady(const platform::Dictionary& /*user*/) {}
};

}  // namespace qov
