#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/core/model/TropicalStormCacheContainer.h"
#include "app/neighbours/screens/TDXViewToolControllerDelegate.h"
#include "app/ui/base/QOVViewController.h"
#include "platform/ui/Label.h"
#include "platform/ui/Toolbar.h"

namespace qov {

// The tropical-storm section as a host screen lays it over its own view: a title, the active storms, and a tool
// bar whose "Map" button hands the user back to the host (toggleToolLocationBar, then removeTropicalView with this
// view). Its interface file is "TDXViewToolCotroller-iPhone".
//
// Main thread only; owned by the host (std::shared_ptr), which it knows weakly as its delegate. The storm answer
// reaches it through a weak reference, so an answer after it is gone does nothing.
class TDXViewToolCotroller : public QOVViewController {
public:
    static constexpr const char* kInterfaceFile = "TDXViewToolCotroller-iPhone";
    static constexpr const char* kMapButtonTitle = "Map";

    explicit TDXViewToolCotroller(std::string nibName = kInterfaceFile);

    std::optional<std::string> pageName() const override { return "Tropical"; }
    static void registerInterfaceFile();

    void setDelegate(const std::shared_ptr<TDXViewToolControllerDelegate>& delegate) { m_delegate = delegate; }
    std::shared_ptr<TDXViewToolControllerDelegate> delegate() const { return m_delegate.lock(); }
    // The bar at the bottom of the section; the host places it for its ad slot.
    const std::shared_ptr<platform::ui::Toolbar>& toolBar() const { return m_toolBar; }
    const std::shared_ptr<platform::ui::Label>& stormsLabel() const { return m_stormsLabel; }
    int requestIndex() const { return m_requestIndex; }

    // Asks the data service for the active storms and returns at once; the list shows when the answer comes.
    void cacheStormDataByRegions();
    // The answer: storms listed one a line, or a line saying there are none (also for a failed answer).
    void stormDataReceived(const std::shared_ptr<TropicalStormCacheContainer>& container);

private:
    void returnToMap();

    std::weak_ptr<TDXViewToolControllerDelegate> m_delegate;
    std::shared_ptr<platform::ui::Toolbar> m_toolBar;
    std::shared_ptr<platform::ui::Label> m_stormsLabel;
    int m_requestIndex = 0;
};

}  // namespace qov
