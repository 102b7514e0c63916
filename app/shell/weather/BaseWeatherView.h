#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/shell/weather/BaseWeatherViewProtocol.h"
#include "app/ui/base/QOVSectionHeaderViewDelegate.h"
#include "app/ui/base/QOVView.h"

namespace qov {

class QOVLocation;
class QOVSectionHeaderView;

// Base of the five weather panels. A panel comes from its interface file (named after its class), shows one
// location at a time under a section header whose subtitle tells when the conditions were observed, coloured
// by the data's age (white, orange when stale, red when invalid). The weather screen hands it every new
// location (updateLocation) and beats every 30 s (heartbeat: the subtitle is written and coloured again, so
// data that ages while shown turns orange, then red). A change of the unit of measure redraws it
// (updateViewData). Each panel answers its ad parameters, metrics names and sharing texts.
//
// headerTitleKey and clearData are abstract: the base raises "Abstract Class Exception". The delegate (the
// weather screen) is not retained. Main thread only.
class BaseWeatherView : public QOVView, public QOVSectionHeaderViewDelegate {
public:
    static constexpr double kHeaderHeight = 44.0;
    static constexpr const char* kUpdatedPrefix = "Updated: ";
    static constexpr const char* kUnavailableKey = "Conditions Temp. Unavailable";

    using QOVView::QOVView;
    ~BaseWeatherView() override;

    // Adds the header, clears the panel, titles the header, follows unit changes and takes the theme's
    // background.
    void awakeFromNib() override;

    // Clears the panel, keeps the location (none clears only) and writes the subtitle; subclasses call the
    // base first, then draw.
    virtual void updateLocation(const std::shared_ptr<QOVLocation>& location);
    virtual void heartbeat();

    virtual std::string headerTitleKey() const;
    std::string headerTitleText() const;
    virtual void clearData();
    virtual void updateViewData() {}

    // Empty texts stand for none. Every panel is on the weather tab of the ad slot.
    virtual std::string adPage() const { return {}; }
    std::string adTab() const { return "weath"; }
    virtual std::string adSection() const { return {}; }
    virtual std::string metricsLevel2() const { return {}; }
    virtual std::string screenName() const { return {}; }
    // Option numbers of the weather screen's sharing table (0 e-mail, 1 contacts, 2 Facebook, 3 tweet).
    virtual std::vector<int> sharingOptions() const { return {}; }
    virtual std::string shareDataForOption(int option);

    // QOVSectionHeaderViewDelegate
    void shareButtonPressed() override;

    const std::shared_ptr<QOVLocation>& location() const { return m_location; }
    void setLocation(std::shared_ptr<QOVLocation> location) { m_location = std::move(location); }
    const std::shared_ptr<QOVSectionHeaderView>& header() const { return m_header; }
    void setHeader(std::shared_ptr<QOVSectionHeaderView> header) { m_header = std::move(header); }
    std::shared_ptr<BaseWeatherViewProtocol> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<BaseWeatherViewProtocol> delegate) { m_delegate = std::move(delegate); }

protected:
    // The "Updated: ..." subtitle of the location shown, in the colour of its age.
    void writeUpdatedSubtitle();
    // The closing line of every shared text.
    static std::string sharingClosingLine();

    std::shared_ptr<QOVSectionHeaderView> m_header;
    std::shared_ptr<QOVLocation> m_location;

private:
    std::weak_ptr<BaseWeatherViewProtocol> m_delegate;
};

}  // namespace qov
