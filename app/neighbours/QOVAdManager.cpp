#include "app/neighbours/QOVAdManager.h"

#include "platform/base/Log.h"
#include "platform/base/ProcessInstance.h"
#include "platform/storage/UserDefaults.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

platform::ProcessSlot<QOVAdManager>& sharedManagerSlot() {
    static platform::ProcessSlot<QOVAdManager> slot;
    return slot;
}

}  // namespace

std::shared_ptr<QOVAdManager> QOVAdManager::sharedManager() {
    return sharedManagerSlot().instance(
        [] { return std::make_shared<QOVAdManager>(platform::UserDefaults::standard()); });
}

void QOVAdManager::resetSharedManager() { sharedManagerSlot().exchange(nullptr); }

QOVAdManager::QOVAdManager(std::shared_ptr<platform::UserDefaults> defaults) : m_defaults(std::move(defaults)) {}

bool QOVAdManager::isInTestMode() const { return m_defaults->boolForKey(kTestModeKey); }

void QOVAdManager::setInTestMode(bool inTestMode) {
    m_defaults->setBool(inTestMode, kTestModeKey);
    dropConfiguration();
}

bool QOVAdManager::isUsingTestAdId() const { return m_defaults->boolForKey(kUsingTestAdIdKey); }

void QOVAdManager::setUsingTestAdId(bool usingTestAdId) { m_defaults->setBool(usingTestAdId, kUsingTestAdIdKey); }

std::string QOVAdManager::testAdIdentifier() const { return m_defaults->stringForKey(kTestAdIdentifierKey); }

void QOVAdManager::setTestAdIdentifier(const std::string& identifier) {
    if (m_defaults->objectForKey(kTestAdIdentifierKey) != platform::Value(identifier)) {
        m_defaults->setString(identifier, kTestAdIdentifierKey);
    }
}

void QOVAdManager::dropConfiguration() {
    QOV_LOG_INFO("The ad configuration will be fetched again (test mode {})", isInTestMode());
}

void QOVAdManager::requestAdForAdView(const QOVAdView&) {
    QOV_LOG_INFO("An ad was asked for; this edition has no ad servers");
}

}  // namespace qov
