#include "app/core/model/QOVSevereWeather.h"

#include "app/core/model/ArchiveCoding.h"

namespace qov {

void QOVSevereWeather::encodeWithCoder(platform::KeyedArchiver& coder) const {
    QOVDataObject::encodeWithCoder(coder);
    coder.encodeString(m_areaId, "severeAreaId");
    coder.encodeString(m_areaName, "severeAreaName");
    coder.encodeString(m_issueOffice, "severeIssueOffice");
    coder.encodeDate(m_endTime, "severeEndTime");
    coder.encodeString(m_etn, "severeEtn");
    coder.encodeString(m_phenomenaCode, "severePhenomenaCode");
    coder.encodeInteger(m_severity, "severeSeverity");
    coder.encodeString(m_significance, "severeSignificance");
    coder.encodeString(m_headline, "severeHeadline");
    coder.encodeString(m_shortDescription, "severeShortDescription");
    coder.encodeInteger(m_textId, "severeTextId");
    coder.encodeString(m_text, "severeText");
}

void QOVSevereWeather::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    QOVDataObject::decodeWithCoder(coder);
    m_areaId = coder.decodeString("severeAreaId");
    m_areaName = coder.decodeString("severeAreaName");
    m_issueOffice = coder.decodeString("severeIssueOffice");
    m_endTime = coder.decodeDate("severeEndTime");
    m_etn = coder.decodeString("severeEtn");
    m_phenomenaCode = coder.decodeString("severePhenomenaCode");
    m_severity = archive::decodeInt32(coder, "severeSeverity");
    m_significance = coder.decodeString("severeSignificance");
    m_headline = coder.decodeString("severeHeadline");
    m_shortDescription = coder.decodeString("severeShortDescription");
    m_textId = archive::decodeInt32(coder, "severeTextId");
    m_text = coder.decodeString("severeText");
}

}  // namespace qov
