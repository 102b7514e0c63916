#pragma once

#include <memory>
#include <mutex>
#include <string>

namespace platform {
class UserDefaults;
}

namespace qov {

class QOVAdView;

// The ad manager's switches that the test screen and the application delegate use. The switches live in the
// user defaults ("AdsTestMode", "UsingTestAdIds", "AdsTestIdentifier"). This edition shows no ads, so the ad
// configuration is never fetched; a request to fetch it again is counted (configurationRefreshCount) and logged,
// and so is a request for an ad (adRequestCount).
class QOVAdManager {
public:
    static constexpr const char* kTestModeKey = "AdsTestMode";
    static constexpr const char* kUsingTestAdIdKey = "UsingTestAdIds";
    static constexpr const char* kTestAdIdentifierKey = "AdsTestIdentifier";

    // The process instance over UserDefaults::standard().
    static std::shared_ptr<QOVAdManager> sharedManager();
    // Tests: the next sharedManager() makes a new instance.
    static void resetSharedManager();

    explicit QOVAdManager(std::shared_ptr<platform::UserDefaults> defaults);

    // Test mode uses the test ad configuration and addresses; switching it fetches the configuration again.
    bool isInTestMode() const;
    void setInTestMode(bool inTestMode);
    bool isUsingTestAdId() const;
    void setUsingTestAdId(bool usingTestAdId);
    std::string testAdIdentifier() const;
    // Stored only when it differs from the stored identifier.
    void setTestAdIdentifier(const std::string& identifier);

    // Asks for the ad configuration to be fetched again.
    void dropConfiguration();
    int configurationRefreshCount() const;
    // Asks for an ad for the slot.
    void requestAdForAdView(const QOVAdView& adView);
    int adRequestCount() const;

private:
    const std::shared_ptr<platform::UserDefaults> m_defaults;
    mutable std::mutex m_mutex;
    int m_configurationRefreshCount = 0;
    int m_adRequestCount = 0;
};

}  // namespace qov
