#pragma once

#include <memory>
#include <string>

#include "app/neighbours/QOVAdViewDelegate.h"
#include "platform/ui/View.h"

namespace qov {

class QOVLocationIdentity;

// The ad slot of the root screen: the page, tab and section the screen shown sets, and the location the
// ads are for. Ads are requested only while QOVSettingsService::areAdsEnabled() answers yes, which this
// edition never does, so the slot stays empty. The delegate is not retained. Main thread only.
class QOVAdView : public platform::ui::View {
public:
    using View::View;

    const std::string& page() const { return m_page; }
    void setPage(std::string page) { m_page = std::move(page); }
    const std::string& tab() const { return m_tab; }
    void setTab(std::string tab) { m_tab = std::move(tab); }
    const std::string& section() const { return m_section; }
    void setSection(std::string section) { m_section = std::move(section); }

    const std::shared_ptr<QOVLocationIdentity>& location() const { return m_location; }
    // Keeps the location; refreshes the ad when it is another place and shouldUpdateOnLocationChange().
    void setLocation(std::shared_ptr<QOVLocationIdentity> location);
    bool shouldUpdateOnLocationChange() const { return m_shouldUpdateOnLocationChange; }
    void setShouldUpdateOnLocationChange(bool update) { m_shouldUpdateOnLocationChange = update; }

    std::shared_ptr<QOVAdViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<QOVAdViewDelegate> delegate) { m_delegate = std::move(delegate); }

    // With ads enabled, a location and a section: asks the ad manager for an ad ("ad-requested").
    void refreshAdView();

private:
    std::string m_page;
    std::string m_tab;
    std::string m_section;
    std::shared_ptr<QOVLocationIdentity> m_location;
    bool m_shouldUpdateOnLocationChange = true;
    std::weak_ptr<QOVAdViewDelegate> m_delegate;
};

}  // namespace qov
