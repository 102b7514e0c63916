#include "app/core/model/QOVConfigurableApplicationTab.h"

#include "app/core/datasource/DatasourceURL.h"
#include "app/core/model/QOVLocationIdentity.h"
#include "platform/gfx/Image.h"

namespace qov {

std::string QOVConfigurableApplicationTab::urlForLocation(const QOVLocationIdentity& location) const {
    std::string url = m_targetURLFormat;
    if (const auto placeholder = url.find("%@"); placeholder != std::string::npos) {
        url.replace(placeholder, 2, DatasourceURL::encodeLocationIdentifier(location.identifierAsString()));
    }
    return url;
}

void QOVConfigurableApplicationTab::encodeWithCoder(platform::KeyedArchiver& coder) const {
    coder.encodeString(m_title, "configTab_title");
    coder.encodeString(m_baseIconURLString, "configTab_baseIconURLString");
    if (const auto png = m_icon ? m_icon->pngData() : std::nullopt) {
        coder.encodeData(*png, "configTab_icon");
    }
    coder.encodeString(m_targetURLFormat, "configTab_targetURLFormat");
}

void QOVConfigurableApplicationTab::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    m_title = coder.decodeString("configTab_title");
    m_baseIconURLString = coder.decodeString("configTab_baseIconURLString");
    const platform::Data png = coder.decodeData("configTab_icon");
    m_icon = png.empty() ? nullptr : platform::gfx::Image::fromPNGData(png);
    m_targetURLFormat = coder.decodeString("configTab_targetURLFormat");
}

}  // namespace qov
