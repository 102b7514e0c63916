#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <variant>

#include "platform/base/ProcessInstance.h"
#include "platform/base/Value.h"

namespace platform::device {

// Stands in for the platform's push-notification service: the application asks to register, and the answer
// (a device token, or an error text) is handed in by the device runner or a test. Each answer goes to the
// registered callbacks on a later turn of the main run loop: an answer handed in before the application
// registers waits for the registration, each registration is answered with the latest answer, and a new
// answer after registering is delivered too (the token can change). Thread-safe; callbacks run on the main
// thread and should be bound weakly to their target (bindWeak).
class PushTokenSource {
public:
    using TokenHandler = std::function<void(const Data& token)>;
    using FailureHandler = std::function<void(const std::string& error)>;

    // The process instance.
    static PushTokenSource& shared();
    // Tests: forgets the registration, the callbacks and the answer of the process instance.
    static void resetShared();

    // The application: registers for remote notifications, replacing earlier callbacks.
    void registerForRemoteNotifications(TokenHandler onToken, FailureHandler onFailure);
    bool isRegistered() const;

    // The runner and tests: the device token the platform hands out; an empty token is refused (false, logged).
    bool deliverDeviceToken(const Data& token);
    // The runner and tests: registration failed with this error text.
    void failRegistration(std::string error);

    // The latest token handed in, if the latest answer is a token.
    std::optional<Data> deviceToken() const;

private:
    friend class NeverDestroyed<PushTokenSource>;
    PushTokenSource() = default;

    using Answer = std::variant<std::monostate, Data, std::string>;

    // Posts the answer to the callbacks current on that later turn. Called with the lock held.
    void postAnswer(Answer answer);

    mutable std::mutex m_mutex;
    bool m_registered = false;
    TokenHandler m_onToken;
    FailureHandler m_onFailure;
    Answer m_answer;
    // Counts resets; a delivery posted before a reset is dropped.
    std::uint64_t m_generation = 0;
};

}  // namespace platform::device
