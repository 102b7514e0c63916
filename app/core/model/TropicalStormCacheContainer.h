#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "app/core/model/QOVTropicalStorm.h"

namespace qov {

// What the data-service client hands its caller after asking for the current tropical storms: the storm
// list, or the flag that the answer held no storm data.
class TropicalStormCacheContainer : public platform::Object {
public:
    using StormList = std::vector<std::shared_ptr<QOVTropicalStorm>>;

    // createdDate is now; no storm data and no error.
    TropicalStormCacheContainer();

    platform::Date createdDate() const { return m_createdDate; }
    const std::optional<StormList>& activeStormData() const { return m_activeStormData; }
    void setActiveStormData(std::optional<StormList> activeStormData) {
        m_activeStormData = std::move(activeStormData);
    }
    bool dataReceiveError() const { return m_dataReceiveError; }
    void setDataReceiveError(bool dataReceiveError) { m_dataReceiveError = dataReceiveError; }

private:
    platform::Date m_createdDate;
    std::optional<StormList> m_activeStormData;
    bool m_dataReceiveError = false;
};

}  // namespace qov
