#include "app/ui/categories/UIDeviceQOV.h"

#include <gtest/gtest.h>

#include "platform/storage/UserDefaults.h"
#include "platform/ui/Device.h"
#include "tests/support/app/ShellFixture.h"

namespace qov {
namespace {

using platform::ui::Device;
using platform::ui::UserInterfaceIdiom;

class UIDeviceQOVTest : public qovtest::ShellFixture {};

TEST_F(UIDeviceQOVTest, TheIdentifierIsMadeOnceFromLowerCaseHexDigits) {
    auto& defaults = *platform::UserDefaults::standard();
    const std::string identifier = UIDeviceQOV::uniqueIdentifier();
    ASSERT_EQ(identifier.size(), 40u);
    EXPECT_EQ(identifier.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(UIDeviceQOV::uniqueIdentifier(), identifier);
    EXPECT_EQ(defaults.stringForKey("generatedUDID"), identifier);

    defaults.removeObjectForKey("generatedUDID");
    const std::string next = UIDeviceQOV::uniqueIdentifier();
    EXPECT_EQ(next.size(), 40u);
    EXPECT_NE(next, identifier);
}

TEST_F(UIDeviceQOVTest, IdiomTestsAnswerPhoneWhenTheDeviceCannotTell) {
    struct Case {
        UserInterfaceIdiom idiom;
        bool responds;
        bool pad;
        bool phone;
    };
    const Case cases[] = {
        {UserInterfaceIdiom::Phone, true, false, true},
        {UserInterfaceIdiom::Pad, true, true, false},
        {UserInterfaceIdiom::Pad, false, false, true},
    };
    for (const auto& [idiom, responds, pad, phone] : cases) {
        Device::current().setUserInterfaceIdiom(idiom);
        Device::current().setRespondsToUserInterfaceIdiom(responds);
        EXPECT_EQ(UIDeviceQOV::isPad(), pad);
        EXPECT_EQ(UIDeviceQOV::isPhone(), phone);
    }
}

}  // namespace
}  // namespace qov
