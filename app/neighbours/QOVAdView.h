#pragma once

#include <memory>
#include <string>

#include "app/neighbours/QOVAdViewDelegate.h"
#include "platform/ui/View.h"

namespace qov {

class QOVLocationIdentity;

// The ad slot of the root screen with its ad parameters (page, tab, section, location). Ads are off in this
// edition, so refreshing asks for nothing. The delegate is not retained. Main thread only.
class QOVAdView : public platform::ui::View {
public:
    using View::View;

    void setPage(std::string page) { m_page = std::move(page); }
    void setTab(std::string tab) { m_tab = std::move(tab); }
    void setSection(std::string section) { m_section = std::move(section); }
    const std::string& page() const { return m_page; }
    const std::string& tab() const { return m_tab; }
    const std::string& section() const { return m_section; }

    // Asks for an ad when ads are enabled and the slot has a location and a section; answers whether it asked.
    bool refreshAdView();
    // Keeps the location; refreshes when it differs from the one held and updates on location changes are on.
    void setLocation(const std::shared_ptr<QOVLocationIdentity>& location);
    const std::shared_ptr<QOVLocationIdentity>& location() const { return m_location; }
    bool shouldUpdateOnLocationChange() const { return m_shouldUpdateOnLocationChange; }
    void setShouldUpdateOnLocationChange(bool update) { m_shouldUpdateOnLocationChange = update; }

    std::shared_ptr<QOVAdViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<QOVAdViewDelegate> delegate) { m_delegate = std::move(delegate); }

private:
    std::string m_page;
    std::string m_tab;
    std::string m_section;
    std::shared_ptr<QOVLocationIdentity> m_location;
    bool m_shouldUpdateOnLocationChange = true;
    std::weak_ptr<QOVAdViewDelegate> m_delegate;
};

}  // namespace qov
