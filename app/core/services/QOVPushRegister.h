#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/base/Object.h"
#include "platform/base/Value.h"

namespace qov {

class QOVLocationIdentity;
class QOVSettingsService;

// Registers the device's push-notification token, with the one location whose alerts the user wants, with the
// push-registration service: an HTTP GET of kWritePath whose answer is not read (nothing retries, nothing
// reports a failure). The token is kept in the settings first, whatever happens to the request.
//
// The service's host comes from the main bundle's information list (kServiceHostInfoKey); without one nothing
// is sent.
class QOVPushRegister : public platform::Object {
public:
    using SettingsProvider = std::function<std::shared_ptr<QOVSettingsService>()>;

    static constexpr const char* kWritePath = "/oskel/xml/push/write";
    static constexpr const char* kServiceHostInfoKey = "QOVPushServiceHost";

    // The process instance: the bundle's service host and QOVSettingsService::sharedInstance(). Made on first
    // use; lives for the process.
    static std::shared_ptr<QOVPushRegister> pushRegister();
    // Tests: forgets the process instance, so the next pushRegister() makes a new one.
    static void resetPushRegister();

    // serviceHost: "HOST" or "HOST:PORT" (empty: nothing is sent); settings: where the token is kept.
    QOVPushRegister(std::string serviceHost, SettingsProvider settings);

    // The token as one run of lower-case hexadecimal digits (64 for a 32-byte token); nullopt for none.
    static std::optional<std::string> transformDeviceId(const std::optional<platform::Data>& token);

    // The request that registers the token for the location: "http://HOST/oskel/xml/push/write?id=...
    // &locations=!KEY:TYPE:US&alerts=*&locale=en_US&version=...&platform=..." with the key percent-encoded;
    // nullopt when no location is chosen (none, or type 0) or there is no service host.
    std::optional<std::string> registrationURL(const platform::Data& token,
                                               const std::shared_ptr<QOVLocationIdentity>& location) const;

    // Keeps the token in the settings, then sends the registration when a location is chosen. An empty token
    // is refused (logged).
    void registerDevice(const platform::Data& token, const std::shared_ptr<QOVLocationIdentity>& location);
    // The service keeps a token until a new one replaces it: nothing is sent, nothing changes.
    void removeDevice(const platform::Data& token);

    // A device identifier slot that nothing in the application fills yet.
    const std::optional<std::string>& deviceID() const { return m_deviceID; }
    void setDeviceID(std::optional<std::string> deviceID) { m_deviceID = std::move(deviceID); }
    // Push notifications are supported from creation on.
    bool isPushSupported() const { return m_pushSupported; }
    void setPushSupported(bool supported) { m_pushSupported = supported; }

private:
    const std::string m_serviceHost;
    const SettingsProvider m_settings;
    std::optional<std::string> m_deviceID;
    bool m_pushSupported = true;
};

}  // namespace qov
