#include "app/shell/rating/RatePrompter.h"

#include "platform/base/Log.h"

QOV_LOG_LEVEL(15)

namespace qov {

namespace {

std::shared_ptr<RatePrompter>& instance() {
    static std::shared_ptr<RatePrompter> prompter;
    return prompter;
}

}  // namespace

std::shared_ptr<RatePrompter> RatePrompter::sharedInstance() {
    if (!instance()) {
        instance() = std::make_shared<RatePrompter>();
    }
    return instance();
}

void RatePrompter::resetSharedInstance() { instance().reset(); }

void RatePrompter::appLaunched(bool canPromptForRating) {
    ++m_launchCount;
    QOV_LOG_DEBUG("Launch {} recorded for the rating prompt (may prompt: {})", m_launchCount, canPromptForRating);
}

void RatePrompter::appEnteredForeground(bool canPromptForRating) {
    ++m_foregroundCount;
    QOV_LOG_DEBUG("Return {} recorded for the rating prompt (may prompt: {})", m_foregroundCount,
                  canPromptForRating);
}

}  // namespace qov
