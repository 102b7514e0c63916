#include "tests/app/core/datasource/DatasourceFixture.h"

#include "app/core/error/QOVError.h"
#include "app/core/services/QOVMetricsService.h"
#include "platform/base/Callback.h"
#include "platform/base/Clock.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/RunLoop.h"
#include "platform/net/Reachability.h"
#include "platform/storage/Bundle.h"
#include "platform/storage/LocaleSource.h"
#include "platform/storage/UserDefaults.h"
#include "tests/support/PumpUntil.h"

namespace qovtest {

namespace {

void resetProcessState() {
    platform::RunLoop::resetMain(std::make_shared<platform::SystemClock>());
    platform::NotificationCenter::resetDefaultCenter();
    platform::net::Reachability::reset();
    qov::QOVError::clearAllErrors();
    qov::QOVMetricsService::resetSharedInstance();
}

}  // namespace

DatasourceFixture::DatasourceFixture() : m_previousDirectories(platform::AppDirectories::shared()) {
    resetProcessState();
    platform::AppDirectories::setShared(std::make_shared<platform::AppDirectories>(m_home.path()));
    platform::UserDefaults::resetStandard(
        std::make_shared<platform::UserDefaults>(m_home.path() / "Library" / "Preferences" / "defaults.plist"));
    platform::LocaleSource::setOverride("en_US", {"en"});
    platform::NotificationCenter::defaultCenter().addObserver(
        this, qov::QOVError::kFiredNotification, [this](const platform::Notification& notification) {
            const platform::Value* error = platform::valueForKey(notification.userInfo, qov::QOVError::kErrorKey);
            const auto fired = error ? error->object<qov::QOVError>() : nullptr;
            if (fired && fired->category() == 0) {
                ++m_networkErrors;
                m_lastNetworkError = fired;
                m_lastNetworkErrorSender = notification.object;
                // Let the next failure announce itself too.
                qov::QOVError::clearAllErrors();
            }
        });
}

DatasourceFixture::~DatasourceFixture() {
    m_client.reset();
    platform::LocaleSource::clearOverride();
    resetProcessState();
    platform::UserDefaults::resetStandard(nullptr);
    platform::AppDirectories::setShared(m_previousDirectories);
}

void DatasourceFixture::SetUp() {
    SimFixture::SetUp();
    ASSERT_FALSE(apiKey().empty()) << "the application bundle (target qov_bundle) is missing";
    m_cache = std::make_shared<RecordingCache>();
    m_client = std::make_shared<qov::DS2JSONDatasource>();
    m_client->setDataServiceHosts(simUrl().substr(std::string("http://").size()), "127.0.0.1:1");
    m_client->setCacheProvider([cache = m_cache] { return cache; });
}

qov::QOVDatasouce::Callback DatasourceFixture::callback() {
    return platform::bindWeak(
        m_receiver, [](Receiver& receiver, const platform::Value& answer) { receiver.answers.push_back(answer); });
}

bool DatasourceFixture::waitUntilIdle() {
    return pumpUntil([this] { return m_client->queue().operationCount() == 0; });
}

bool DatasourceFixture::waitForAnswers(std::size_t count) {
    return pumpUntil([this, count] { return m_receiver->answers.size() >= count; });
}

std::string DatasourceFixture::apiKey() const {
    return platform::Bundle::main().objectForInfoDictionaryKey("DS2APIKey").stringValue();
}

}  // namespace qovtest
