#pragma once

#include <memory>

#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/shell/interface/ShellInterfaceFiles.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/Device.h"
#include "tests/support/ManualClockFixture.h"
#include "tests/support/TempHome.h"
#include "tests/support/TestBundle.h"
#include "tests/support/app/SilentDataService.h"

namespace qovtest {

// Each shell test runs on the manual clock in a fresh home (directories, user defaults, settings and
// measurement made afresh), with the build's bundle, a data service that sends nothing, the shell's interface
// files, a fresh application and a portrait phone.
class ShellFixture : public ManualClockFixture {
protected:
    ShellFixture() : m_previousDirectories(platform::AppDirectories::shared()) {
        platform::AppDirectories::setShared(std::make_shared<platform::AppDirectories>(m_home.path()));
        platform::UserDefaults::resetStandard(
            std::make_shared<platform::UserDefaults>(m_home.path() / "Library" / "Preferences" / "defaults.plist"));
        qov::QOVSettingsService::resetSharedInstance();
        qov::QOVMetricsService::resetSharedInstance();
        platform::ui::Application::resetShared();
        platform::ui::Device::current().reset();
        qov::registerShellInterfaceFiles();
    }
    ~ShellFixture() override {
        platform::ui::Application::resetShared();
        platform::ui::Device::current().reset();
        qov::QOVMetricsService::resetSharedInstance();
        qov::QOVSettingsService::resetSharedInstance();
        platform::UserDefaults::resetStandard(nullptr);
        platform::AppDirectories::setShared(m_previousDirectories);
    }

    static std::vector<qov::MetricsHit> metricsHits() { return qov::QOVMetricsService::sharedInstance()->hits(); }

private:
    TempHome m_home;
    TestBundle m_bundle;
    SilentDataService m_dataService;
    std::shared_ptr<platform::AppDirectories> m_previousDirectories;
};

}  // namespace qovtest
