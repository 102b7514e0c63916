#pragma once

#include <optional>
#include <string>

#include "platform/storage/KeyedArchiver.h"

namespace qov {

// One tweet of a market area's or a location's list. The author and place fields stay absent when the
// service's record has no author or place. Archive keys: "tweetID", "text", "date", "tweeter", "avatarURL",
// "cityName", "countryName" (absent fields leave their key out).
class QOVTweet : public platform::Archivable {
public:
    const std::string& tweetID() const { return m_tweetID; }
    void setTweetID(std::string tweetID) { m_tweetID = std::move(tweetID); }
    const std::string& text() const { return m_text; }
    void setText(std::string text) { m_text = std::move(text); }
    const std::optional<platform::Date>& date() const { return m_date; }
    void setDate(std::optional<platform::Date> date) { m_date = date; }
    // The author's screen name.
    const std::optional<std::string>& tweeter() const { return m_tweeter; }
    void setTweeter(std::optional<std::string> tweeter) { m_tweeter = std::move(tweeter); }
    // The address of the author's picture.
    const std::optional<std::string>& avatarURL() const { return m_avatarURL; }
    void setAvatarURL(std::optional<std::string> avatarURL) { m_avatarURL = std::move(avatarURL); }
    const std::optional<std::string>& cityName() const { return m_cityName; }
    void setCityName(std::optional<std::string> cityName) { m_cityName = std::move(cityName); }
    const std::optional<std::string>& countryName() const { return m_countryName; }
    void setCountryName(std::optional<std::string> countryName) { m_countryName = std::move(countryName); }

    void encodeWithCoder(platform::KeyedArchiver& coder) const override;
    void decodeWithCoder(const platform::KeyedUnarchiver& coder);

private:
    std::string m_tweetID;
    std::string m_text;
    std::optional<platform::Date> m_date;
    std::optional<std::string> m_tweeter;
    std::optional<std::string> m_avatarURL;
    std::optional<std::string> m_cityName;
    std::optional<std::string> m_countryName;
};

}  // namespace qov
