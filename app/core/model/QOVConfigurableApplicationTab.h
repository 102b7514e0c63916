#pragma once

#include <memory>
#include <string>

#include "platform/storage/KeyedArchiver.h"

namespace platform::gfx {
class Image;
}

namespace qov {

class QOVLocationIdentity;

// A web tab that a configuration can switch in: its title, the address its icon comes from, the icon itself
// and the address format of its page for a location ("...%@..."). Nothing in the application creates one yet.
// Archive keys, in order: "configTab_title", "configTab_baseIconURLString", "configTab_icon" (PNG data; absent
// without an icon), "configTab_targetURLFormat".
class QOVConfigurableApplicationTab : public platform::Archivable {
public:
    const std::string& title() const { return m_title; }
    void setTitle(std::string title) { m_title = std::move(title); }
    const std::string& baseIconURLString() const { return m_baseIconURLString; }
    void setBaseIconURLString(std::string value) { m_baseIconURLString = std::move(value); }
    const std::shared_ptr<platform::gfx::Image>& icon() const { return m_icon; }
    void setIcon(std::shared_ptr<platform::gfx::Image> icon) { m_icon = std::move(icon); }
    const std::string& targetURLFormat() const { return m_targetURLFormat; }
    void setTargetURLFormat(std::string format) { m_targetURLFormat = std::move(format); }

    // The target format with its first "%@" replaced by the location's identifier, percent-encoded but for the
    // colon ("USGA0028:1"), so a key cannot change the address beyond its own place in it.
    std::string urlForLocation(const QOVLocationIdentity& location) const;

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_title;
    std::string m_baseIconURLString;
    std::shared_ptr<platform::gfx::Image> m_icon;
    std::string m_targetURLFormat;
};

}  // namespace qov
