#pragma once

#include <cstdlib>
#include <memory>
#include <string>

#include "app/shell/interface/ShellInterfaceFiles.h"
#include "app/shell/weather/WeatherInterfaceFiles.h"
#include "app/ui/base/QOVView.h"
#include "platform/ui/ScreenRenderer.h"
#include "tests/app/shell/services/FormattingFixture.h"
#include "tests/support/app/SampleLocations.h"

namespace qovtest {

// A formatting test with the shell's and the weather screen's interface files registered. shoot() writes a
// view as PNG into the folder QOV_SHOTS_DIR names, when it is set, to look at the panels.
class PanelFixture : public FormattingFixture {
protected:
    PanelFixture() {
        qov::registerShellInterfaceFiles();
        qov::registerWeatherInterfaceFiles();
    }

    template <typename Panel>
    static std::shared_ptr<Panel> makePanel() {
        return qov::QOVView::viewFromNIB<Panel>();
    }

    std::shared_ptr<qov::QOVLocation> sample(const std::string& key) const { return sampleLocation(key, clock()); }

    static void shoot(platform::ui::View& view, const std::string& name) {
        if (const char* folder = std::getenv("QOV_SHOTS_DIR")) {
            platform::ui::ScreenRenderer::renderView(view)->writePNG(std::string(folder) + "/" + name + ".png");
        }
    }
};

}  // namespace qovtest
