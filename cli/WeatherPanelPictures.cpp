#include "cli/WeatherPanelPictures.h"

#include <memory>
#include <string>

#include "app/shell/application/QOVAppDelegate.h"
#include "app/shell/root/QOVMasterViewController.h"
#include "app/shell/weather/WeatherSegments.h"
#include "app/shell/weather/WeatherViewController.h"
#include "platform/ui/ScreenRenderer.h"
#include "platform/ui/ScreenScript.h"

namespace qovcli {

namespace {

std::shared_ptr<qov::WeatherViewController> shownWeatherScreen() {
    const auto delegate = qov::QOVAppDelegate::currentAppDelegate();
    const auto master =
        delegate ? std::dynamic_pointer_cast<qov::QOVMasterViewController>(delegate->viewController()) : nullptr;
    return master ? std::dynamic_pointer_cast<qov::WeatherViewController>(master->shownViewController()) : nullptr;
}

// "rightnow", "hourly", "36hour", "10day", "beach": the segment title key without its prefix.
std::string panelName(int viewNumber) {
    const std::string key = qov::WeatherSegments::kTitleKeys[static_cast<std::size_t>(viewNumber)];
    return key.substr(key.rfind('.') + 1);
}

bool writePicture(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
    if (std::string problem; !platform::ui::ScreenRenderer::writeScreen(file.string(), problem)) {
        // One write: log lines may come between.
        err << "qovara: could not write " + file.string() + ": " + problem + "\n";
        return false;
    }
    out << "Panel written to " << file.string() << "\n";
    return true;
}

}  // namespace

bool writeWeatherPanelPictures(const std::filesystem::path& folder, std::ostream& out, std::ostream& err) {
    const auto screen = shownWeatherScreen();
    if (!screen) {
        return false;
    }
    const auto map = screen->segmentToViewMap();
    if (map.size() <= 1) {
        return writePicture(folder / ("weather-" + panelName(qov::WeatherSegments::kRightNow) + ".png"), out, err);
    }
    platform::ui::ScreenScript script(out, err);
    bool written = true;
    for (std::size_t position = 0; position < map.size(); ++position) {
        script.execute("select " + std::to_string(position));
        written = writePicture(folder / ("weather-" + panelName(map[position]) + ".png"), out, err) && written;
    }
    script.execute("select 0");
    return written && script.failures() == 0;
}

}  // namespace qovcli
