#include "app/core/model/QOVTweet.h"

#include "app/core/model/ArchiveCoding.h"

namespace qov {

void QOVTweet::encodeWithCoder(platform::KeyedArchiver& coder) const {
    coder.encodeString(m_tweetID, "tweetID");
    coder.encodeString(m_text, "text");
    coder.encodeDate(m_date, "date");
    archive::encodeOptionalString(coder, m_tweeter, "tweeter");
    archive::encodeOptionalString(coder, m_avatarURL, "avatarURL");
    archive::encodeOptionalString(coder, m_cityName, "cityName");
    archive::encodeOptionalString(coder, m_countryName, "countryName");
}

void QOVTweet::decodeWithCoder(const platform::KeyedUnarchiver& coder) {
    m_tweetID = coder.decodeString("tweetID");
    m_text = coder.decodeString("text");
    m_date = coder.decodeDate("date");
    m_tweeter = archive::decodeOptionalString(coder, "tweeter");
    m_avatarURL = archive::decodeOptionalString(coder, "avatarURL");
    m_cityName = archive::decodeOptionalString(coder, "cityName");
    m_countryName = archive::decodeOptionalString(coder, "countryName");
}

}  // namespace qov
