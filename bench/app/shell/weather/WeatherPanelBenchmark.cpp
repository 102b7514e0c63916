#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "app/core/model/QOVLocation.h"
#include "app/shell/interface/ShellInterfaceFiles.h"
#include "app/shell/weather/HourlyView.h"
#include "platform/base/Clock.h"
#include "platform/gfx/BitmapContext.h"
#include "platform/storage/AppDirectories.h"
#include "platform/ui/ScreenRenderer.h"
#include "tests/support/app/SampleLocations.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr double kScreenWidth = 320.0;
constexpr double kScreenHeight = 480.0;

double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// A home of its own, the weather screen's interface files and Atlanta's weather as the stand-in answers it.
struct PanelWorld {
    PanelWorld() {
        const auto home = std::filesystem::temp_directory_path() / "qov-bench-weather";
        platform::AppDirectories::setShared(std::make_shared<platform::AppDirectories>(home));
        qov::registerShellInterfaceFiles();
        location = qovtest::sampleLocation("USGA0028", platform::Clock::shared());
    }
    std::shared_ptr<qov::QOVLocation> location;
};

PanelWorld& world() {
    static PanelWorld shared;
    return shared;
}

// The limit: one plain cairo fill of a whole screen.
double plainFill() {
    const auto start = Clock::now();
    platform::gfx::BitmapContext context(static_cast<int>(kScreenWidth), static_cast<int>(kScreenHeight));
    context.fillRect(platform::gfx::Rect(0, 0, kScreenWidth, kScreenHeight), platform::gfx::Color::black());
    benchmark::DoNotOptimize(context.makeImage());
    return secondsSince(start);
}

// One panel's update, a location handed to the hourly panel until its visible cells are laid out ("ratio": how
// many plain screen fills one update costs).
void BM_PanelUpdateVersusFill(benchmark::State& state) {
    const auto& location = world().location;
    const auto panel = qov::QOVView::viewFromNIB<qov::HourlyView>();
    double fillSeconds = 0;
    double updateSeconds = 0;
    for (auto _ : state) {
        fillSeconds += plainFill();
        const auto start = Clock::now();
        panel->updateLocation(location);
        panel->layoutIfNeeded();
        updateSeconds += secondsSince(start);
    }
    state.counters["ratio"] = updateSeconds / fillSeconds;
}
BENCHMARK(BM_PanelUpdateVersusFill);

// Drawing a screen with the hourly panel to PNG ("ratio": how many plain screen fills one draw costs).
void BM_ScreenDrawVersusFill(benchmark::State& state) {
    const auto& location = world().location;
    const auto screen = std::make_shared<platform::ui::View>(platform::ui::Rect(0, 0, kScreenWidth, kScreenHeight));
    const auto panel = qov::QOVView::viewFromNIB<qov::HourlyView>();
    panel->updateLocation(location);
    screen->addSubview(panel);
    screen->layoutIfNeeded();
    double fillSeconds = 0;
    double drawSeconds = 0;
    for (auto _ : state) {
        fillSeconds += plainFill();
        const auto start = Clock::now();
        benchmark::DoNotOptimize(platform::ui::ScreenRenderer::renderView(*screen)->pngData());
        drawSeconds += secondsSince(start);
    }
    state.counters["ratio"] = drawSeconds / fillSeconds;
}
BENCHMARK(BM_ScreenDrawVersusFill);

}  // namespace
