#include "app/core/model/QOVTropicalStorm.h"

#include "platform/base/Clock.h"

namespace qov {

QOVTropicalStorm::QOVTropicalStorm() : m_createdDate(platform::Clock::shared()->now()) {}

void QOVTropicalStorm::setStormId(const std::string& stormId) {
    if (stormId == m_stormId) {
        return;
    }
    m_stormId = stormId;
    m_atlanticStorm = stormId.find("AL") != std::string::npos;
}

}  // namespace qov
