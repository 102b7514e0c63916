#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/core/model/QOVDataObject.h"
#include "platform/base/Date.h"

namespace qov {

// One severe-weather alert. Archive keys carry the prefix "severe".
class QOVSevereWeather : public QOVDataObject {
public:
    const std::string& areaId() const { return m_areaId; }
    void setAreaId(std::string areaId) { m_areaId = std::move(areaId); }
    const std::string& areaName() const { return m_areaName; }
    void setAreaName(std::string areaName) { m_areaName = std::move(areaName); }
    const std::string& issueOffice() const { return m_issueOffice; }
    void setIssueOffice(std::string issueOffice) { m_issueOffice = std::move(issueOffice); }
    const std::optional<platform::Date>& endTime() const { return m_endTime; }
    void setEndTime(std::optional<platform::Date> endTime) { m_endTime = std::move(endTime); }
    const std::string& etn() const { return m_etn; }
    void setEtn(std::string etn) { m_etn = std::move(etn); }
    const std::string& phenomenaCode() const { return m_phenomenaCode; }
    void setPhenomenaCode(std::string phenomenaCode) { m_phenomenaCode = std::move(phenomenaCode); }
    std::int32_t severity() const { return m_severity; }
    void setSeverity(std::int32_t severity) { m_severity = severity; }
    const std::string& significance() const { return m_significance; }
    void setSignificance(std::string significance) { m_significance = std::move(significance); }
    const std::string& headline() const { return m_headline; }
    void setHeadline(std::string headline) { m_headline = std::move(headline); }
    const std::string& shortDescription() const { return m_shortDescription; }
    void setShortDescription(std::string shortDescription) { m_shortDescription = std::move(shortDescription); }
    std::int32_t textId() const { return m_textId; }
    void setTextId(std::int32_t textId) { m_textId = textId; }
    const std::string& text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_areaId;
    std::string m_areaName;
    std::string m_issueOffice;
    std::optional<platform::Date> m_endTime;
    std::string m_etn;
    std::string m_phenomenaCode;
    std::int32_t m_severity = 0;
    std::string m_significance;
    std::string m_headline;
    std::string m_shortDescription;
    std::int32_t m_textId = 0;
    std::string m_text;
};

}  // namespace qov
