#include "app/neighbours/screens/TDXViewToolCotroller.h"

#include <fmt/format.h>

#include "app/core/datasource/QOVDatasouce.h"
#include "app/core/datasource/QOVDatasourceFactory.h"
#include "app/ui/text/LocalizedFormat.h"
#include "app/ui/theme/QOVThemeService.h"
#include "platform/base/Callback.h"
#include "platform/base/Log.h"
#include "platform/ui/InterfaceFile.h"

QOV_LOG_LEVEL(3)

namespace qov {

using namespace platform::ui;

namespace {

constexpr double kWidth = 320.0;
constexpr double kHeight = 414.0;

std::string stormLine(const QOVTropicalStorm& storm) {
    std::string line = storm.stormName();
    if (!storm.category().empty()) {
        line += fmt::format(" ({})", storm.category());
    }
    if (!storm.movingDirectionText().empty()) {
        line += fmt::format(", {} {}", localized("moving"), storm.movingDirectionText());
    }
    return line;
}

}  // namespace

TDXViewToolCotroller::TDXViewToolCotroller(std::string nibName) : QOVViewController(std::move(nibName)) {}

// A dark panel with the section's title, the storm list under it and the tool bar at the bottom.
void TDXViewToolCotroller::registerInterfaceFile() {
    InterfaceFile::registerBuilder(kInterfaceFile, [](InterfaceContext& file) {
        const auto owner = file.ownerAs<TDXViewToolCotroller>();
        auto view = file.makeTopLevel<View>(Rect(0, 0, kWidth, kHeight));
        view->setBackgroundColor(QOVThemeService::backgroundColor());
        auto title = file.make<Label>(Rect(10, 12, kWidth - 20, 26));
        title->setText(localized("Tropical Storms"));
        title->setFont(platform::gfx::Font::boldSystemFont(20.0));
        title->setTextColor(platform::gfx::Color::white());
        auto storms = file.make<Label>(Rect(10, 48, kWidth - 20, 200));
        storms->setNumberOfLines(0);
        storms->setFont(platform::gfx::Font::systemFont(15.0));
        storms->setTextColor(platform::gfx::Color::white());
        storms->setText(localized("Loading..."));
        storms->setFrame(Rect(10, 48, kWidth - 20, storms->sizeThatFits(storms->frame().size).height));
        auto bar = file.make<Toolbar>(Rect(0, kHeight - Toolbar::kHeight, kWidth, Toolbar::kHeight));
        bar->setTintColor(QOVThemeService::navBarColor());
        for (const auto& part :
             {std::shared_ptr<View>(title), std::shared_ptr<View>(storms), std::shared_ptr<View>(bar)}) {
            view->addSubview(part);
        }
        if (!owner) {
            return;
        }
        bar->setItems({std::make_shared<BarButtonItem>(
            localized(kMapButtonTitle), BarButtonItemStyle::Bordered,
            platform::bindWeak(owner, [](TDXViewToolCotroller& section, BarButtonItem&) { section.returnToMap(); }))});
        owner->m_toolBar = bar;
        owner->m_stormsLabel = storms;
        owner->setView(view);
    });
}

void TDXViewToolCotroller::cacheStormDataByRegions() {
    m_requestIndex = 1;
    const auto datasource = QOVDatasourceFactory::sharedInstance()->datasource();
    if (!datasource) {
        return;
    }
    const auto self = std::static_pointer_cast<TDXViewToolCotroller>(shared_from_this());
    datasource->currentTropicalStormDataWithCallbackObject(
        platform::bindWeak(self, [](TDXViewToolCotroller& section, const platform::Value& result) {
            section.stormDataReceived(result.object<TropicalStormCacheContainer>());
        }));
}

void TDXViewToolCotroller::stormDataReceived(const std::shared_ptr<TropicalStormCacheContainer>& container) {
    if (!m_stormsLabel) {
        return;
    }
    std::string text;
    if (container && !container->dataReceiveError() && container->activeStormData()) {
        for (const auto& storm : *container->activeStormData()) {
            if (storm) {
                // Appended piece by piece: GCC 12 warns wrongly of overlapping copies when text is put before a
                // string.
                if (!text.empty()) {
                    text += '\n';
                }
                text += stormLine(*storm);
            }
        }
    }
    if (!container) {
        QOV_LOG_WARN("No tropical storm data arrived");
    }
    m_stormsLabel->setText(text.empty() ? localized("No active tropical storms") : text);
    // The list reads from the top of its area.
    auto frame = m_stormsLabel->frame();
    frame.size.height = m_stormsLabel->sizeThatFits(frame.size).height;
    m_stormsLabel->setFrame(frame);
}

void TDXViewToolCotroller::returnToMap() {
    if (const auto host = m_delegate.lock()) {
        host->toggleToolLocationBar();
        host->removeTropicalView(view());
    }
}

}  // namespace qov
