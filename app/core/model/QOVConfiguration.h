#pragma once

#include <memory>
#include <string>

#include "platform/base/Date.h"
#include "platform/storage/KeyedArchiver.h"

namespace qov {

class QOVConfigurableApplicationTab;

// A named configuration of two configurable tabs, loaded at a moment; it goes stale at the next midnight of
// the device's time zone. Nothing in the application creates one yet. Archive keys, in order: "config_name",
// "config_loadDate", "config_inSeasonTab", "config_onTVTab".
class QOVConfiguration : public platform::Archivable {
public:
    // Unnamed and loaded now (what an archive is read into).
    QOVConfiguration();
    // Named and loaded now.
    explicit QOVConfiguration(std::string name);

    const std::string& name() const { return m_name; }
    platform::Date loadDate() const { return m_loadDate; }
    const std::shared_ptr<QOVConfigurableApplicationTab>& inSeasonTab() const { return m_inSeasonTab; }
    void setInSeasonTab(std::shared_ptr<QOVConfigurableApplicationTab> tab) { m_inSeasonTab = std::move(tab); }
    const std::shared_ptr<QOVConfigurableApplicationTab>& onTVTab() const { return m_onTVTab; }
    void setOnTVTab(std::shared_ptr<QOVConfigurableApplicationTab> tab) { m_onTVTab = std::move(tab); }

    // Loaded before today's midnight (00:00:00 of the current day, device time zone, process clock).
    bool isStale() const;
    // Every key is enabled.
    bool boolForConfigurationKey(const std::string& key) const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_name;
    platform::Date m_loadDate;
    std::shared_ptr<QOVConfigurableApplicationTab> m_inSeasonTab;
    std::shared_ptr<QOVConfigurableApplicationTab> m_onTVTab;
};

}  // namespace qov
