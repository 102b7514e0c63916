#include "app/shell/locations/FavoriteLocationView.h"

#include <gtest/gtest.h>

#include "app/core/location/QOVLocationManager.h"
#include "app/core/model/QOVCurrentConditions.h"
#include "app/core/model/QOVLocation.h"
#include "app/core/model/QOVTypeAheadLocation.h"
#include "app/shell/locations/LocationDisplayName.h"
#include "platform/ui/Image.h"
#include "tests/app/shell/ApplicationWorld.h"

namespace qovtest {

namespace {

using qov::QOVLocationManager;

std::shared_ptr<qov::QOVLocation> weather(const std::string& key, const std::string& city,
                                          std::optional<int> temperature) {
    auto place = std::make_shared<qov::QOVLocation>();
    place->setType(1);
    place->setKey(key);
    place->setCity(city);
    place->setState("GA");
    place->setCountryCode("US");
    if (temperature) {
        auto conditions = std::make_shared<qov::QOVCurrentConditions>();
        conditions->setTemperature(*temperature);
        conditions->setWeatherIconNumber(30);
        place->setCurrentConditions(conditions);
    }
    return place;
}

class FavoriteLocationViewTest : public ApplicationWorld {
protected:
    // The favourite as stored, and the cell showing its weather.
    void show(const std::shared_ptr<qov::QOVLocation>& place, const std::optional<std::string>& nickname) {
        auto stored = std::make_shared<qov::QOVLocationIdentity>(1, place->key());
        QOVLocationManager::sharedManager()->addFavoriteLocation(stored);
        QOVLocationManager::sharedManager()->setNickname(nickname, *stored);
        cell->setLocId(place);
        cell->setDataForLocation(place);
    }
    std::string imageName() const { return cell->m_wxIcon->image() ? cell->m_wxIcon->image()->name() : ""; }

    std::shared_ptr<qov::FavoriteLocationView> cell = platform::ui::InterfaceFile::loadFirst<qov::FavoriteLocationView>(
        qov::FavoriteLocationView::kInterfaceFileName);
};

TEST_F(FavoriteLocationViewTest, ShowsTheNicknameOrTheNameTheTemperatureAndTheIconOfWeatherOnly) {
    struct Case {
        std::optional<std::string> nickname;
        std::optional<int> temperature;
        std::string name;
        std::string image;
    };
    const Case cases[] = {
        {std::nullopt, 72, "Atlanta, GA", "30_44.png"},
        {"", 72, "Atlanta, GA", "30_44.png"},
        {"Home Base", std::nullopt, "Home Base", "44_512.png"},
    };
    ASSERT_TRUE(cell);
    for (const Case& each : cases) {
        show(weather("USGA0028", "Atlanta", each.temperature), each.nickname);
        EXPECT_EQ(cell->m_displayName->text(), each.name);
        EXPECT_EQ(cell->m_tempLabel->text().starts_with("72"), each.temperature.has_value());
        EXPECT_EQ(imageName(), each.image);
    }
    // Anything but weather (its place not cached yet, a match, nothing) leaves the cell as it is.
    auto match = std::make_shared<qov::QOVTypeAheadLocation>();
    for (const auto& other :
         {std::make_shared<qov::QOVLocationIdentity>(1, "UKXX0085"), std::shared_ptr<qov::QOVLocationIdentity>(match),
          std::shared_ptr<qov::QOVLocationIdentity>()}) {
        cell->setDataForLocation(other);
        EXPECT_EQ(cell->m_displayName->text(), "Home Base");
    }
}

TEST(LocationCityAndStateTest, CityAndStateOrCountryOrTheKey) {
    struct Case {
        std::string city, state, country, countryCode, expected;
    };
    const Case cases[] = {
        {"Atlanta", "GA", "United States", "US", "Atlanta, GA"},
        {"London", "", "United Kingdom", "GB", "London, United Kingdom"},
        {"Springfield", "", "United States", "US", "Springfield"},
        {"", "", "", "", "KEY1"},
    };
    const auto fill = [](auto& place, const Case& each) {
        place.setKey("KEY1");
        place.setCity(each.city);
        place.setState(each.state);
        place.setCountry(each.country);
        place.setCountryCode(each.countryCode);
        return qov::locationCityAndState(place);
    };
    for (const Case& each : cases) {
        qov::QOVLocation place;
        qov::QOVTypeAheadLocation match;
        EXPECT_EQ(fill(place, each), each.expected);
        EXPECT_EQ(fill(match, each), each.expected);
    }
    EXPECT_EQ(qov::locationCityAndState(qov::QOVLocationIdentity(1, "UKXX0085")), "UKXX0085");
}

}  // namespace

}  // namespace qovtest
