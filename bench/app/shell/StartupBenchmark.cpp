#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/composition/ApplicationComposition.h"
#include "app/core/cache/ApplicationCache.h"
#include "app/core/cache/ApplicationCacheFactory.h"
#include "app/core/datasource/DS2JSONDatasource.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVModelFactory.h"
#include "app/core/services/QOVMetricsService.h"
#include "app/core/services/QOVSettingsService.h"
#include "app/neighbours/QOVAdManager.h"
#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/root/RootScreenState.h"
#include "app/shell/splash/SplashScreenViewController.h"
#include "platform/base/Clock.h"
#include "platform/base/Log.h"
#include "platform/base/NotificationCenter.h"
#include "platform/base/RunLoop.h"
#include "platform/storage/AppDirectories.h"
#include "platform/storage/Bundle.h"
#include "platform/storage/UserDefaults.h"
#include "platform/ui/Application.h"
#include "platform/ui/ScreenRenderer.h"
#include "sim/SimServer.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// Starts the runner with nothing to do ("--help") and waits for it: the bare cost of a process start.
void spawnBareRunner() {
    const char* arguments[] = {QOV_RUNNER_PATH, "--help", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    if (posix_spawn(&child, QOV_RUNNER_PATH, &actions, nullptr, const_cast<char**>(arguments), environ) == 0) {
        int status = 0;
        waitpid(child, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

void resetProcessServices() {
    platform::ui::Application::resetShared();
    platform::UserDefaults::resetStandard(nullptr);
    qov::QOVLocationManager::resetSharedManager();
    qov::QOVSettingsService::resetSharedInstance();
    qov::QOVMetricsService::resetSharedInstance();
    qov::QOVAdManager::resetSharedManager();
    qov::ApplicationCacheFactory::sharedInstance().setCache(nullptr);
    qov::ApplicationCacheFactory::sharedInstance().cache()->setDatasource(
        qov::QOVDatasourceFactory::sharedInstance()->datasource());
    platform::NotificationCenter::resetDefaultCenter();
}

// A home where the application ran before: terms accepted, this version recorded, the default location's weather
// cached (fresh on the manual clock).
void prepareWarmHome(const std::filesystem::path& home) {
    std::filesystem::remove_all(home);
    platform::AppDirectories::setShared(std::make_shared<platform::AppDirectories>(home));
    resetProcessServices();
    const auto defaults = platform::UserDefaults::standard();
    defaults->setBool(true, qov::QOVAppDelegate::kTermsViewShouldHideKey);
    defaults->setString(platform::Bundle::main().objectForInfoDictionaryKey("CFBundleShortVersionString").stringValue(),
                        qov::QOVAppDelegate::kLastVersionRanKey);
    defaults->synchronize();
    std::ifstream file(std::string(QOV_BENCH_FIXTURES_DIR) + "/model/aggregate_us_full.json");
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (const auto location = qov::QOVModelFactory::sharedInstance()->modelUsingJSON(text)) {
        qov::ApplicationCacheFactory::sharedInstance().cache()->storeLocation(location);
    }
    qov::QOVLocationManager::sharedManager()->setCurrentLocation(
        std::make_shared<qov::QOVLocationIdentity>(1, "USGA0028"));
    defaults->synchronize();
}

// The application on screen from a warm home: a process start plus the launch to the root screen with the Weather
// tab drawn, against a bare start of the runner's process ("ratio": how many bare starts the application takes to
// be on screen; aim: below 3).
void BM_StartupVersusBareProcessStart(benchmark::State& state) {
    const auto home = std::filesystem::temp_directory_path() / "qov-bench-startup";
    platform::RunLoop::resetMain(std::make_shared<platform::ManualClock>(platform::SystemClock().now()));
    // The configurations the settings ask for come from the stand-in service; the weather comes from the cache.
    qovsim::SimServer service;
    service.start();
    const auto host = "127.0.0.1:" + std::to_string(service.port());
    auto client = std::make_shared<qov::DS2JSONDatasource>();
    client->setDataServiceHosts(host, host);
    qov::QOVDatasourceFactory::sharedInstance()->setDatasource(client);
    qov::registerApplication();
    prepareWarmHome(home);

    double bareSeconds = 0;
    double startSeconds = 0;
    bool reached = true;
    for (auto _ : state) {
        auto start = Clock::now();
        spawnBareRunner();
        bareSeconds += secondsSince(start);

        resetProcessServices();
        start = Clock::now();
        platform::ui::Application::shared().launch(qov::QOVAppDelegate::kMainInterfaceFile);
        platform::RunLoop::main().advance(qov::SplashScreenViewController::kFadeDuration);
        platform::RunLoop::main().runUntilIdle();
        auto picture = platform::ui::ScreenRenderer::renderScreen();
        benchmark::DoNotOptimize(picture);
        startSeconds += secondsSince(start);
        reached = reached && qov::RootScreenState::shownTabName() == "weather";
        platform::Log::removeConsoleLogger();
    }
    if (!reached) {
        state.SkipWithError("the root screen with the Weather tab was not reached");
    }
    state.counters["ratio"] = (bareSeconds + startSeconds) / bareSeconds;
    client->cancelAllRequests();
    service.stop();
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_StartupVersusBareProcessStart)->Unit(benchmark::kMillisecond);

}  // namespace
