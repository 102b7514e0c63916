#pragma once

namespace qov {

// Told how a Twitter sign-in ended; every operation is optional.
class QOVTwitterServiceDelegate {
public:
    virtual ~QOVTwitterServiceDelegate() = default;
    virtual void twitterLoginSuccessful() {}
    virtual void twitterLoginFailed() {}
    virtual void twitterLoginCancelled() {}
};

}  // namespace qov
