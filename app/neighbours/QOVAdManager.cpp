#include "app/neighbours/QOVAdManager.h"

#include "platform/base/Log.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

std::mutex& sharedManagerMutex() {
    static std::mutex mutex;
    return mutex;
}

std::shared_ptr<QOVAdManager>& sharedManagerSlot() {
    static std::shared_ptr<QOVAdManager> instance;
    return instance;
}

}  // namespace

std::shared_ptr<QOVAdManager> QOVAdManager::sharedManager() {
    const std::lock_guard lock(sharedManagerMutex());
    auto& instance = sharedManagerSlot();
    if (!instance) {
        instance = std::make_shared<QOVAdManager>(platform::UserDefaults::standard());
    }
    return instance;
}

void QOVAdManager::resetSharedManager() {
    const std::lock_guard lock(sharedManagerMutex());
    sharedManagerSlot().reset();
}

QOVAdManager::QOVAdManager(std::shared_ptr<platform::UserDefaults> defaults) : m_defaults(std::move(defaults)) {}

bool QOVAdManager::isInTestMode() const {
    return m_defaults->boolForKey(kTestModeKey);
}

void QOVAdManager::setInTestMode(bool inTestMode) {
    m_defaults->setBool(inTestMode, kTestModeKey);
    dropConfiguration();
}

bool QOVAdManager::isUsingTestAdId() const {
    return m_defaults->boolForKey(kUsingTestAdIdKey);
}

void QOVAdManager::setUsingTestAdId(bool usingTestAdId) {
    m_defaults->setBool(usingTestAdId, kUsingTestAdIdKey);
}

std::string QOVAdManager::testAdIdentifier() const {
    return m_defaults->stringForKey(kTestAdIdentifierKey);
}

void QOVAdManager::setTestAdIdentifier(const std::string& identifier) {
    if (m_defaults->objectForKey(kTestAdIdentifierKey) != platform::Value(identifier)) {
        m_defaults->setString(identifier, kTestAdIdentifierKey);
    }
}

void QOVAdManager::dropConfiguration() {
    const std::lock_guard lock(m_mutex);
    ++m_configurationRefreshCount;
    QOV_LOG_INFO("The ad configuration will be fetched again (test mode {})", isInTestMode());
}

int QOVAdManager::configurationRefreshCount() const {
    const std::lock_guard lock(m_mutex);
    return m_configurationRefreshCount;
}

void QOVAdManager::requestAdForAdView(const QOVAdView&) {
    const std::lock_guard lock(m_mutex);
    ++m_adRequestCount;
    QOV_LOG_INFO("An ad was asked for; this edition has no ad servers");
}

int QOVAdManager::adRequestCount() const {
    const std::lock_guard lock(m_mutex);
    return m_adRequestCount;
}

}  // namespace qov
