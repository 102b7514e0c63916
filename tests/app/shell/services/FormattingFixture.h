#pragma once

#include <string>
#include <vector>

#include "app/shell/services/QOVFormattingService.h"
#include "platform/format/DeviceTimeZone.h"
#include "platform/storage/LocaleSource.h"
#include "tests/support/app/SettingsFixture.h"

namespace qovtest {

// A settings test (manual clock, fresh home, the build's bundle) on an en_US device in New York, with the
// formatting service made afresh; its unit notifications are counted.
class FormattingFixture : public SettingsFixture {
protected:
    explicit FormattingFixture(std::string locale = "en_US") {
        platform::LocaleSource::setOverride(locale, {"en"});
        platform::DeviceTimeZone::setOverride("America/New_York");
        qov::QOVFormattingService::resetForTesting();
        platform::NotificationCenter::defaultCenter().addObserver(
            this, qov::QOVFormattingService::kUomSelectedNotification,
            [this](const platform::Notification&) { ++uomNotifications; });
    }
    ~FormattingFixture() override {
        qov::QOVFormattingService::resetForTesting();
        platform::DeviceTimeZone::clearOverride();
        platform::LocaleSource::clearOverride();
    }

    // A moment this many seconds before now.
    platform::Date secondsAgo(double seconds) const { return clock()->now().addingTimeInterval(-seconds); }

    int uomNotifications = 0;
};

}  // namespace qovtest
