#pragma once

#include <memory>

namespace qov {

// The rate-this-app prompt's record of launches and returns to the foreground, which the application delegate
// reports while the prompt is enabled. It keeps the counts; the prompt itself is not shown by this build.
// Main thread only.
class RatePrompter {
public:
    static std::shared_ptr<RatePrompter> sharedInstance();
    // Tests: the next sharedInstance() is a new prompter.
    static void resetSharedInstance();

    void appLaunched(bool canPromptForRating);
    void appEnteredForeground(bool canPromptForRating);

    int launchCount() const { return m_launchCount; }
    int foregroundCount() const { return m_foregroundCount; }

private:
    int m_launchCount = 0;
    int m_foregroundCount = 0;
};

}  // namespace qov
